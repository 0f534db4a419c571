// Replacing and appending to files when things go wrong: full disks, killed writers,
// links, modes, and files that change under their readers.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <filesystem>

#include "platform/file_set.h"
#include "platform/files.h"
#include "testing/file_size_limit.h"
#include "testing/temp_environment.h"

namespace platform {
namespace {

using testing::AtFileSizeLimit;
using testing::RunWithFileSizeLimit;
using testing::TempEnvironment;

constexpr const char* kTarget = "C:\\Quillet\\current-user.reg";
constexpr const char* kOldContent = "REGEDIT4\r\nold\r\n";

class AtomicReplaceTest : public ::testing::Test {
protected:
    void SetUp() override { file_ = env_.writeFile("drive_c/Quillet/current-user.reg", kOldContent); }

    // Everything in the target's folder but the target: what writers left behind.
    std::vector<std::string> Leftovers() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(file_.parent_path()))
            if (entry.path() != file_) names.push_back(entry.path().filename().string());
        return names;
    }

    std::filesystem::path Beside(const std::string& name) const { return file_.parent_path() / name; }

    struct stat Stat(const std::filesystem::path& path) const {
        struct stat info {};
        EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
        return info;
    }

    TempEnvironment env_;
    std::filesystem::path file_;
};

TEST_F(AtomicReplaceTest, KeepsTheOldFilesModeAndOwner) {
    ::chmod(file_.c_str(), 0600);
    const bool privileged = ::geteuid() == 0;
    constexpr uid_t kOtherUser = 65534;
    if (privileged) {
        ASSERT_EQ(::chown(file_.c_str(), kOtherUser, kOtherUser), 0);
    }
    ASSERT_TRUE(ReplaceFileBytes(kTarget, "new"));
    EXPECT_EQ(TempEnvironment::readFile(file_), "new");
    EXPECT_EQ(Stat(file_).st_mode & 07777, 0600u);
    if (privileged) {
        EXPECT_EQ(Stat(file_).st_uid, kOtherUser);
    }

    // A new file is made as any program makes one: 0666 less the umask.
    const mode_t saved = ::umask(022);
    ASSERT_TRUE(ReplaceFileBytes("C:\\Quillet\\New.txt", "x"));
    ::umask(saved);
    EXPECT_EQ(Stat(Beside("New.txt")).st_mode & 07777, 0644u);
}

TEST_F(AtomicReplaceTest, ReplacesWhatASymbolicLinkNamesAndKeepsTheLink) {
    std::filesystem::create_directories(Beside("real"));
    const auto real = env_.writeFile("drive_c/Quillet/real/settings.reg", "old");
    std::filesystem::create_symlink("real/settings.reg", Beside("link.reg"));
    std::filesystem::create_symlink("link.reg", Beside("chain.reg"));
    ASSERT_TRUE(ReplaceFileBytes("C:\\Quillet\\chain.reg", "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(Beside("chain.reg")));
    EXPECT_TRUE(std::filesystem::is_symlink(Beside("link.reg")));
    EXPECT_EQ(TempEnvironment::readFile(real), "new");

    // A dangling link names the file to make.
    std::filesystem::create_symlink("real/made.reg", Beside("dangling.reg"));
    ASSERT_TRUE(ReplaceFileBytes("C:\\Quillet\\dangling.reg", "made"));
    EXPECT_TRUE(std::filesystem::is_symlink(Beside("dangling.reg")));
    EXPECT_EQ(TempEnvironment::readFile(Beside("real/made.reg")), "made");
}

TEST_F(AtomicReplaceTest, AFullDiskOrAKilledWriterKeepsTheOldFileAndLeavesNothing) {
    const std::string large(64 * 1024, 'x');
    const testing::ChildOutcome full = RunWithFileSizeLimit(
        4096, AtFileSizeLimit::WriteFails, [&](std::string&) { return ReplaceFileBytes(kTarget, large) ? 0 : errno; });
    EXPECT_EQ(full.exitCode, EFBIG);
    EXPECT_EQ(TempEnvironment::readFile(file_), kOldContent);
    EXPECT_TRUE(Leftovers().empty()) << Leftovers().front();

    const testing::ChildOutcome killed = RunWithFileSizeLimit(
        4096, AtFileSizeLimit::WriterDies, [&](std::string&) { return ReplaceFileBytes(kTarget, large) ? 0 : errno; });
    EXPECT_EQ(killed.signal, SIGXFSZ);
    EXPECT_EQ(TempEnvironment::readFile(file_), kOldContent);
    // Whatever the killed writer may have left is gone once it is old and the next write runs.
    for (const std::string& name : Leftovers())
        std::filesystem::last_write_time(Beside(name),
                                         std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    ASSERT_TRUE(ReplaceFileBytes(kTarget, "next"));
    EXPECT_TRUE(Leftovers().empty()) << Leftovers().front();
}

TEST_F(AtomicReplaceTest, RemovesWhatDeadWritersLeftButNotWhatLiveOnesWrite) {
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    const auto leave = [&](const std::string& name, bool stale) {
        const auto path = env_.writeFile("drive_c/Quillet/" + name, "partial");
        if (stale) std::filesystem::last_write_time(path, old);
    };
    leave("current-user.reg.~dead01", true);
    leave("current-user.reg.~live01", true);
    leave("current-user.reg.~young1", false);  // may be a writer that has not locked it yet
    leave("current-user.reg.backup", true);    // a user's file, not one of ours
    leave("other.reg.~dead02", true);          // another target's: its own writer cleans it
    const int live = ::open(Beside("current-user.reg.~live01").c_str(), O_RDONLY);
    ASSERT_GE(live, 0);
    ASSERT_EQ(::flock(live, LOCK_EX), 0);

    ASSERT_TRUE(ReplaceFileBytes(kTarget, "new"));
    ::close(live);
    std::vector<std::string> left = Leftovers();
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"current-user.reg.backup", "current-user.reg.~live01",
                                              "current-user.reg.~young1", "other.reg.~dead02"}));
}

TEST_F(AtomicReplaceTest, AppendIsAllOrNothing) {
    ASSERT_TRUE(AppendFileBytes(kTarget, "more\r\n"));
    EXPECT_EQ(TempEnvironment::readFile(file_), std::string(kOldContent) + "more\r\n");

    const std::string before = TempEnvironment::readFile(file_);
    const testing::ChildOutcome outcome =
        RunWithFileSizeLimit(before.size() + 10, AtFileSizeLimit::WriteFails,
                             [&](std::string&) { return AppendFileBytes(kTarget, std::string(100, 'y')) ? 0 : errno; });
    EXPECT_EQ(outcome.exitCode, EFBIG);
    EXPECT_EQ(TempEnvironment::readFile(file_), before);

    EXPECT_FALSE(AppendFileBytes("C:\\Quillet\\Missing.nav", "x"));
    EXPECT_FALSE(std::filesystem::exists(Beside("Missing.nav")));
    ::chmod(file_.c_str(), 0444);
    EXPECT_FALSE(AppendFileBytes(kTarget, "x"));
    EXPECT_EQ(errno, EACCES);
    EXPECT_EQ(TempEnvironment::readFile(file_), before);
}

// A copy replaces its target as a replace does: the old file whole until the copy is.
TEST_F(AtomicReplaceTest, ACopyReplacesItsTargetWholeOrNotAtAll) {
    const std::string large(64 * 1024, 'c');
    env_.writeFile("drive_c/Quillet/Large.flt", large);
    ::chmod(file_.c_str(), 0600);
    const auto copy = [](std::string&) { return CopyFile("C:\\Quillet\\Large.flt", kTarget, false) ? 0 : errno; };

    const testing::ChildOutcome full = RunWithFileSizeLimit(4096, AtFileSizeLimit::WriteFails, copy);
    EXPECT_EQ(full.exitCode, EFBIG);
    EXPECT_EQ(TempEnvironment::readFile(file_), kOldContent);
    const testing::ChildOutcome killed = RunWithFileSizeLimit(4096, AtFileSizeLimit::WriterDies, copy);
    EXPECT_EQ(killed.signal, SIGXFSZ);
    EXPECT_EQ(TempEnvironment::readFile(file_), kOldContent);
    std::vector<std::string> left = Leftovers();
    std::erase(left, "Large.flt");
    EXPECT_TRUE(left.empty()) << left.front();

    std::string report;
    ASSERT_EQ(copy(report), 0);
    EXPECT_EQ(TempEnvironment::readFile(file_), large);
    EXPECT_EQ(Stat(file_).st_mode & 07777, 0600u);
    // A new target takes the source's mode.
    ::chmod(Beside("Large.flt").c_str(), 0640);
    ASSERT_TRUE(CopyFile("C:\\Quillet\\Large.flt", "C:\\Quillet\\New.flt", true));
    EXPECT_EQ(Stat(Beside("New.flt")).st_mode & 07777, 0640u);
    EXPECT_FALSE(CopyFile("C:\\Quillet\\Large.flt", "C:\\Quillet\\New.flt", true));
    EXPECT_EQ(errno, EEXIST);
}

// One rule for every writer: a read-only file or a folder is neither replaced, copied
// over nor deleted, and the check made before a change of several files says so.
TEST_F(AtomicReplaceTest, ReadOnlyFilesAndFoldersAreLeftAlone) {
    env_.writeFile("drive_c/Quillet/Source.flt", "source");
    const auto readOnly = env_.writeFile("drive_c/Quillet/Locked.flt", "locked");
    ::chmod(readOnly.c_str(), 0444);
    std::filesystem::create_directories(Beside("Folder.flt"));
    std::filesystem::create_directories(Beside("Shut"));
    const auto inShut = env_.writeFile("drive_c/Quillet/Shut/Trip.flt", "shut");
    ::chmod(Beside("Shut").c_str(), 0555);
    const bool privileged = ::geteuid() == 0;  // folder modes do not hold for a privileged writer

    const struct {
        const char* path;
        ReplaceObstacle obstacle;
        int error;
    } cases[] = {
        {"C:\\Quillet\\Locked.flt", ReplaceObstacle::ReadOnly, EACCES},
        {"C:\\Quillet\\Folder.flt", ReplaceObstacle::Folder, EISDIR},
        {"C:\\Quillet\\Shut\\Trip.flt", ReplaceObstacle::FolderReadOnly, EACCES},
        {"C:\\Quillet\\current-user.reg", ReplaceObstacle::None, 0},
        {"C:\\Quillet\\Missing.flt", ReplaceObstacle::None, 0},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.path);
        if (test.obstacle == ReplaceObstacle::FolderReadOnly && privileged) continue;
        EXPECT_EQ(ObstacleToReplacing(test.path), test.obstacle);
        if (test.obstacle == ReplaceObstacle::None) continue;
        errno = 0;
        EXPECT_FALSE(CopyFile("C:\\Quillet\\Source.flt", test.path, false));
        EXPECT_EQ(errno, test.error);
        errno = 0;
        EXPECT_FALSE(ReplaceFileBytes(test.path, "new"));
        EXPECT_EQ(errno, test.error);
        errno = 0;
        EXPECT_FALSE(DeleteFile(test.path));
        EXPECT_EQ(errno, test.error);
    }
    EXPECT_EQ(TempEnvironment::readFile(readOnly), "locked");
    EXPECT_TRUE(std::filesystem::is_directory(Beside("Folder.flt")));
    EXPECT_EQ(TempEnvironment::readFile(inShut), "shut");
    ::chmod(Beside("Shut").c_str(), 0755);
}

TEST_F(AtomicReplaceTest, AFileCutShortUnderItsReaderReadsAsItWasOpened) {
    const std::string content(3 * 4096 + 17, 'r');
    env_.writeFile("drive_c/Quillet/Airport.nav", content);
    MappedFile file;
    ASSERT_TRUE(file.Open("C:\\Quillet\\Airport.nav"));
    std::filesystem::resize_file(Beside("Airport.nav"), 0);
    ASSERT_EQ(file.size(), content.size());
    EXPECT_EQ(file.text(), content);
}

}  // namespace
}  // namespace platform

namespace platform {
namespace {

TEST(ReplaceFilesTogether, WritesEveryFileOrNone) {
    testing::TempEnvironment env;
    const auto small = env.writeFile("drive_c/Quillet/small.nav", "old small");
    const auto large = env.writeFile("drive_c/Quillet/large.nav", "old large");
    ::chmod(large.c_str(), 0640);
    const std::string big(8192, 'x');
    // The first file fits below the limit, the second does not: neither is replaced.
    const testing::ChildOutcome full =
        testing::RunWithFileSizeLimit(4096, testing::AtFileSizeLimit::WriteFails, [&](std::string&) {
            std::size_t failed = 9;
            const bool ok = ReplaceFilesTogether(
                {{"C:\\Quillet\\small.nav", "new small"}, {"C:\\Quillet\\large.nav", big}}, &failed);
            return ok ? 100 : static_cast<int>(failed);
        });
    EXPECT_EQ(full.exitCode, 1);
    EXPECT_EQ(testing::TempEnvironment::readFile(small), "old small");
    EXPECT_EQ(testing::TempEnvironment::readFile(large), "old large");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(small.parent_path()), {}), 2);

    ASSERT_TRUE(ReplaceFilesTogether({{"C:\\Quillet\\small.nav", "new small"}, {"C:\\Quillet\\large.nav", big}}));
    EXPECT_EQ(testing::TempEnvironment::readFile(small), "new small");
    EXPECT_EQ(testing::TempEnvironment::readFile(large), big);
    struct stat info {};
    ASSERT_EQ(::stat(large.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

}  // namespace
}  // namespace platform
