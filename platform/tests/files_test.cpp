#include "platform/files.h"

#include <gtest/gtest.h>

#include "platform/paths.h"
#include "testing/temp_environment.h"

namespace platform {
namespace {

class FilesTest : public ::testing::Test {
protected:
    std::string Read(const std::string& windowsPath) const {
        return testing::TempEnvironment::readFile(HostPath(windowsPath));
    }
    testing::TempEnvironment env_;
};

TEST_F(FilesTest, CopyOverwritesOnlyWhenAllowed) {
    env_.writeFile("drive_c/Quillet/Default.flt", "default");
    env_.writeFile("drive_c/Quillet/Old.flt", "old");
    EXPECT_TRUE(CopyFile("C:\\quillet\\default.flt", "C:\\Quillet\\New.flt", true));
    EXPECT_EQ(Read("C:\\Quillet\\New.flt"), "default");

    EXPECT_FALSE(CopyFile("C:\\Quillet\\Default.flt", "C:\\Quillet\\old.flt", true));
    EXPECT_EQ(Read("C:\\Quillet\\Old.flt"), "old");
    EXPECT_TRUE(CopyFile("C:\\Quillet\\Default.flt", "C:\\Quillet\\old.flt", false));
    EXPECT_EQ(Read("C:\\Quillet\\Old.flt"), "default");

    EXPECT_FALSE(CopyFile("C:\\Quillet\\Missing.flt", "C:\\Quillet\\X.flt", false));
}

TEST_F(FilesTest, DeleteAndCreateFolder) {
    env_.writeFile("drive_c/Build.txt", "x");
    EXPECT_TRUE(DeleteFile("C:\\build.TXT"));
    EXPECT_FALSE(std::filesystem::exists(env_.driveC() / "Build.txt"));
    EXPECT_FALSE(DeleteFile("C:\\Build.txt"));

    EXPECT_TRUE(CreateDirectory("C:\\Quillet\\SidStar\\Deep"));
    EXPECT_TRUE(std::filesystem::is_directory(env_.driveC() / "Quillet/SidStar/Deep"));
    EXPECT_TRUE(CreateDirectory("C:\\QUILLET\\sidstar"));  // existing one, other case
    EXPECT_FALSE(DeleteFile("C:\\Quillet\\SidStar"));      // a folder is not a file
}

TEST_F(FilesTest, SizeAndModificationTime) {
    const auto host = env_.writeFile("drive_c/AdvTip.txt", "12345");
    EXPECT_EQ(FileSize("C:\\advtip.txt"), 5u);
    EXPECT_FALSE(FileSize("C:\\none.txt"));
    const auto stamp = std::filesystem::file_time_type::clock::now() - std::chrono::hours(48);
    std::filesystem::last_write_time(host, stamp);
    const auto time = ModificationTime("C:\\AdvTip.txt");
    ASSERT_TRUE(time);
    EXPECT_NEAR(static_cast<double>(std::time(nullptr) - *time), 48 * 3600.0, 5.0);
    EXPECT_FALSE(ModificationTime("C:\\none.txt"));
}

TEST_F(FilesTest, TempFolderEndsInBackslashAndIsCreated) {
    std::filesystem::remove_all(env_.tempDir());
    const std::string folder = TempFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '\\');
    EXPECT_TRUE(std::filesystem::is_directory(env_.tempDir()));
    env_.writeFile("temp/Build.txt", "src");
    EXPECT_EQ(Read(folder + "Build.txt"), "src");

    ::setenv("QUILLET_TEMP", "D:\\Scratch", 1);
    EXPECT_EQ(TempFolder(), "D:\\Scratch\\");
    EXPECT_TRUE(std::filesystem::is_directory(env_.driveD() / "Scratch"));
    ::unsetenv("QUILLET_TEMP");
    EXPECT_EQ(TempFolder(), "C:\\Temp\\");
    EXPECT_TRUE(std::filesystem::is_directory(env_.driveC() / "Temp"));
}

TEST_F(FilesTest, MappedFileCoversWholeFile) {
    env_.writeFile("drive_c/wx.bin", std::string("ab\0cd", 5));
    env_.writeFile("drive_c/empty.bin", "");
    MappedFile mapped;
    ASSERT_TRUE(mapped.Open("C:\\WX.BIN"));
    EXPECT_EQ(mapped.text(), std::string_view("ab\0cd", 5));

    MappedFile moved = std::move(mapped);
    EXPECT_FALSE(mapped.IsOpen());
    EXPECT_EQ(moved.size(), 5u);

    MappedFile empty;
    EXPECT_TRUE(empty.Open("C:\\empty.bin"));
    EXPECT_EQ(empty.size(), 0u);
    EXPECT_TRUE(empty.text().empty());

    MappedFile missing;
    EXPECT_FALSE(missing.Open("C:\\missing.bin"));
    EXPECT_FALSE(missing.IsOpen());
}

// A reader of many files hands the memory of one file's bytes to the next Open.
TEST_F(FilesTest, MappedFileReadsIntoTheMemoryHandedBack) {
    const std::string large(100000, 'L');
    env_.writeFile("drive_c/large.bin", large);
    env_.writeFile("drive_c/small.bin", "small");
    MappedFile mapped;
    ASSERT_TRUE(mapped.Open("C:\\large.bin"));
    std::string storage;
    EXPECT_TRUE(mapped.Close(&storage));
    EXPECT_FALSE(mapped.IsOpen());
    EXPECT_EQ(mapped.size(), 0u);
    EXPECT_TRUE(storage.empty());
    ASSERT_GE(storage.capacity(), large.size());
    const char* const memory = storage.data();

    ASSERT_TRUE(mapped.Open("C:\\small.bin", std::move(storage)));
    EXPECT_EQ(mapped.text(), "small");
    EXPECT_EQ(reinterpret_cast<const char*>(mapped.data()), memory);
    mapped.Close(&storage);
    ASSERT_TRUE(mapped.Open("C:\\large.bin", std::move(storage)));
    EXPECT_EQ(mapped.text(), large);
    mapped.Close(&storage);
    EXPECT_FALSE(mapped.Open("C:\\missing.bin", std::move(storage)));
    EXPECT_EQ(mapped.size(), 0u);
}

// Whole-file reads are sized from the file: sizes about the read's steps and the large
// buffers read whole, and a file that tells no size (as those of /proc) reads whole too.
TEST_F(FilesTest, WholeFileReadsTakeEveryByte) {
    for (const size_t size : {size_t{0}, size_t{1}, size_t{65535}, size_t{65536}, size_t{65537}, size_t{3} << 20}) {
        std::string bytes(size, '\0');
        for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7919) >> 3);
        env_.writeFile("drive_c/whole.bin", bytes);
        std::string read = "left over";
        ASSERT_TRUE(ReadFileBytes("C:\\whole.bin", read)) << size;
        EXPECT_EQ(read, bytes) << size;
        ASSERT_TRUE(ReadHostFileBytes(env_.driveC() / "whole.bin", read)) << size;
        EXPECT_EQ(read, bytes) << size;
    }
    std::string told;
    ASSERT_TRUE(ReadHostFileBytes("/proc/self/cmdline", told));
    EXPECT_EQ(told, testing::TempEnvironment::readFile("/proc/self/cmdline"));
    EXPECT_FALSE(told.empty());
    EXPECT_FALSE(ReadHostFileBytes(env_.driveC() / "missing.bin", told));
}

TEST_F(FilesTest, FileAtOffsetsReadsPartsAndShorterAtTheEnd) {
    env_.writeFile("drive_c/Quillet/Parts.nav", "0123456789");
    FileAtOffsets file;
    ASSERT_TRUE(file.Open("C:\\quillet\\parts.NAV"));
    EXPECT_EQ(file.size(), 10u);
    char out[8] = {};
    EXPECT_EQ(file.ReadAt(3, out, 4), 4u);
    EXPECT_EQ(std::string(out, 4), "3456");
    EXPECT_EQ(file.ReadAt(7, out, 8), 3u);
    EXPECT_EQ(std::string(out, 3), "789");
    EXPECT_EQ(file.ReadAt(10, out, 8), 0u);
    EXPECT_EQ(file.ReadAt(99, out, 8), 0u);

    std::filesystem::create_directories(env_.driveC() / "Folder.nav");
    EXPECT_FALSE(file.Open("C:\\Folder.nav"));
    EXPECT_FALSE(file.Open("C:\\Missing.nav"));
    EXPECT_EQ(file.ReadAt(0, out, 8), 0u);
}

}  // namespace
}  // namespace platform
