#include "platform/settings_store.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <thread>

#include "platform/detail/registry_text.h"
#include "testing/temp_environment.h"

namespace platform {
namespace {

constexpr const char* kFiles = "Software\\Quillet Applications\\Quillet\\Files";

class SettingsStoreTest : public ::testing::Test {
protected:
    std::filesystem::path CurrentUserFile() const { return env_.settingsDir() / "current-user.reg"; }
    testing::TempEnvironment env_;
};

TEST_F(SettingsStoreTest, RoundTripsStringsAndInts) {
    EXPECT_FALSE(ReadRegistryString(Hive::CurrentUser, kFiles, "Directory"));
    ASSERT_TRUE(WriteRegistryString(Hive::CurrentUser, kFiles, "Directory", "C:\\Quillet\\"));
    ASSERT_TRUE(WriteRegistryInt(Hive::CurrentUser, "Software\\Quillet Applications\\Quillet\\Update", "CheckDay", 30));
    EXPECT_EQ(ReadRegistryString(Hive::CurrentUser, kFiles, "Directory"), "C:\\Quillet\\");
    EXPECT_EQ(ReadRegistryInt(Hive::CurrentUser, "Software\\Quillet Applications\\Quillet\\Update", "CheckDay"), 30);
    EXPECT_NE(testing::TempEnvironment::readFile(CurrentUserFile()).find("\"CheckDay\"=dword:0000001e\r\n"),
              std::string::npos);
    // The other hive is a separate file.
    EXPECT_FALSE(ReadRegistryString(Hive::LocalMachine, kFiles, "Directory"));
    ASSERT_TRUE(WriteRegistryString(Hive::LocalMachine, kFiles, "Directory", "D:\\"));
    EXPECT_TRUE(std::filesystem::exists(env_.settingsDir() / "local-machine.reg"));
    EXPECT_EQ(ReadRegistryString(Hive::CurrentUser, kFiles, "Directory"), "C:\\Quillet\\");
}

TEST_F(SettingsStoreTest, KeysAndNamesIgnoreCaseAndKeepFirstSpelling) {
    ASSERT_TRUE(WriteRegistryString(Hive::CurrentUser, kFiles, "Airport", "a"));
    ASSERT_TRUE(
        WriteRegistryString(Hive::CurrentUser, "SOFTWARE\\quillet applications\\QUILLET\\FILES", "AIRPORT", "b"));
    EXPECT_EQ(ReadRegistryString(Hive::CurrentUser, "software\\Quillet Applications\\Quillet\\files", "airport"), "b");
    const std::string text = testing::TempEnvironment::readFile(CurrentUserFile());
    EXPECT_NE(text.find("[HKEY_CURRENT_USER\\Software\\Quillet Applications\\Quillet\\Files]"), std::string::npos);
    EXPECT_NE(text.find("\"Airport\"=\"b\""), std::string::npos);
    EXPECT_EQ(text.find("FILES"), std::string::npos);
    // Doubled and outer backslashes name the same key.
    EXPECT_EQ(ReadRegistryString(Hive::CurrentUser, "\\Software\\\\Quillet Applications\\Quillet\\Files\\", "Airport"),
              "b");
}

TEST_F(SettingsStoreTest, ConvertsBetweenStringAndDword) {
    const struct {
        const char* stored;
        std::optional<int> asInt;
    } strings[] = {
        {"5", 5},           {" 42 ", 42},          {"-7", -7},           {"+3", 3},
        {"", std::nullopt}, {"abc", std::nullopt}, {"5x", std::nullopt}, {"99999999999", std::nullopt},
    };
    for (const auto& test : strings) {
        WriteRegistryString(Hive::CurrentUser, kFiles, "Value", test.stored);
        EXPECT_EQ(ReadRegistryInt(Hive::CurrentUser, kFiles, "Value"), test.asInt) << '"' << test.stored << '"';
    }
    const struct {
        int stored;
        const char* asString;
    } dwords[] = {{30, "30"}, {0, "0"}, {-1, "-1"}};
    for (const auto& test : dwords) {
        WriteRegistryInt(Hive::CurrentUser, kFiles, "Value", test.stored);
        EXPECT_EQ(ReadRegistryString(Hive::CurrentUser, kFiles, "Value"), test.asString);
        EXPECT_EQ(ReadRegistryInt(Hive::CurrentUser, kFiles, "Value"), test.stored);
    }
}

TEST_F(SettingsStoreTest, ProfileUsesCompanyAndProfileKeys) {
    const Profile profile("Quillet Applications", "Quillet");
    EXPECT_EQ(profile.KeyPath("Config"), "Software\\Quillet Applications\\Quillet\\Config");
    EXPECT_EQ(profile.GetString("Config", "AutoTab", "1"), "1");
    EXPECT_EQ(profile.GetInt("Update", "CheckDay", 30), 30);
    ASSERT_TRUE(profile.WriteString("Config", "RealMovePlaneUpdt", "5"));
    ASSERT_TRUE(profile.WriteInt("Tip", "FilePos", 1234));
    EXPECT_EQ(profile.GetInt("Config", "RealMovePlaneUpdt", 10), 5);
    EXPECT_EQ(profile.GetString("config", "realmoveplaneupdt", ""), "5");
    EXPECT_EQ(profile.GetInt("TIP", "FilePos", 0), 1234);
    ASSERT_TRUE(profile.WriteString("Config", "MoveToDir", "x"));
    EXPECT_EQ(profile.GetInt("Config", "MoveToDir", 4), 4);
}

TEST_F(SettingsStoreTest, RejectsLineBreaksThatWouldDamageTheFile) {
    EXPECT_FALSE(WriteRegistryString(Hive::CurrentUser, kFiles, "Bad", "two\nlines"));
    EXPECT_FALSE(WriteRegistryString(Hive::CurrentUser, kFiles, "Bad\r", "x"));
    EXPECT_FALSE(ReadRegistryString(Hive::CurrentUser, kFiles, "Bad"));
}

TEST_F(SettingsStoreTest, DamagedFileReadsAsFarAsSoundAndReaderLeavesItAlone) {
    const std::string damaged =
        "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Quillet Applications\\Quillet\\Files]\r\n"
        "\"Directory\"=\"C:\\\\Quillet\\\\\"\r\n\"Airport\"=\"C:\\\\Qui";
    env_.writeFile("settings/current-user.reg", damaged);
    EXPECT_EQ(ReadRegistryString(Hive::CurrentUser, kFiles, "Directory"), "C:\\Quillet\\");
    EXPECT_FALSE(ReadRegistryString(Hive::CurrentUser, kFiles, "Airport"));
    EXPECT_EQ(testing::TempEnvironment::readFile(CurrentUserFile()), damaged);

    // A write keeps the sound part.
    ASSERT_TRUE(WriteRegistryString(Hive::CurrentUser, kFiles, "Navaids", "N"));
    EXPECT_EQ(ReadRegistryString(Hive::CurrentUser, kFiles, "Directory"), "C:\\Quillet\\");
    EXPECT_EQ(ReadRegistryString(Hive::CurrentUser, kFiles, "Navaids"), "N");
}

TEST_F(SettingsStoreTest, ABadLineHidesNothingAndAWriteKeepsIt) {
    const std::string text =
        "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Quillet Applications\\Quillet\\Files]\r\n"
        "\"Directory\"=\"C:\\\\Quillet\\\\\"\r\n"
        "\"Future\"=hex:01,02\r\n"
        "\"Airport\"=\"C:\\\\Quillet\\\\Airport.nav\"\r\n"
        "\r\n[HKEY_CURRENT_USER\\Software\\Quillet Applications\\Quillet\\Config]\r\n"
        "\"AutoTab\"=\"0\"\r\n";
    env_.writeFile("settings/current-user.reg", text);
    EXPECT_EQ(ReadRegistryString(Hive::CurrentUser, kFiles, "Airport"), "C:\\Quillet\\Airport.nav");
    EXPECT_EQ(ReadRegistryString(Hive::CurrentUser, "Software\\Quillet Applications\\Quillet\\Config", "AutoTab"), "0");
    EXPECT_FALSE(ReadRegistryString(Hive::CurrentUser, kFiles, "Future"));

    ASSERT_TRUE(WriteRegistryString(Hive::CurrentUser, kFiles, "Navaids", "N"));
    const std::string written = testing::TempEnvironment::readFile(CurrentUserFile());
    EXPECT_NE(written.find("\"Future\"=hex:01,02\r\n"), std::string::npos) << written;
    EXPECT_EQ(ReadRegistryString(Hive::CurrentUser, kFiles, "Airport"), "C:\\Quillet\\Airport.nav");
    EXPECT_EQ(ReadRegistryString(Hive::CurrentUser, "Software\\Quillet Applications\\Quillet\\Config", "AutoTab"), "0");
    EXPECT_EQ(ReadRegistryString(Hive::CurrentUser, kFiles, "Navaids"), "N");
}

// Runs body in a child that file modes bind: as an ordinary user when the tests run as root.
int RunUnprivileged(const std::filesystem::path& tree, const std::function<int()>& body) {
    constexpr uid_t kNobody = 65534;
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::geteuid() == 0) {
            for (const auto& entry : std::filesystem::recursive_directory_iterator(tree))
                if (::lchown(entry.path().c_str(), kNobody, kNobody) != 0) ::_exit(100);
            if (::lchown(tree.c_str(), kNobody, kNobody) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
                ::_exit(101);
        }
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(SettingsStoreTest, AFileThatCannotBeReadIsNeverReplaced) {
    ASSERT_TRUE(WriteRegistryString(Hive::CurrentUser, kFiles, "Directory", "C:\\Quillet\\"));
    const std::string before = testing::TempEnvironment::readFile(CurrentUserFile());
    ::chmod(CurrentUserFile().c_str(), 0200);  // may be written, not read
    const int result = RunUnprivileged(env_.root(), [] {
        const bool wrote = WriteRegistryString(Hive::CurrentUser, kFiles, "Airport", "A");
        const bool read = ReadRegistryString(Hive::CurrentUser, kFiles, "Directory").has_value();
        return (wrote ? 1 : 0) | (read ? 2 : 0);
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(testing::TempEnvironment::readFile(CurrentUserFile()), before);
}

TEST_F(SettingsStoreTest, AWriteRemovesTheTemporariesOfKilledWriters) {
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    for (const char* name : {"current-user.reg.AbC123", "current-user.reg.~Xyz789"})
        std::filesystem::last_write_time(env_.writeFile(std::string("settings/") + name, "REGEDIT4\r\n"), old);
    ASSERT_TRUE(WriteRegistryString(Hive::CurrentUser, kFiles, "Directory", "C:\\Quillet\\"));
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(env_.settingsDir()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"current-user.reg", "current-user.reg.lock"}));
}

constexpr int kWriters = 4;
constexpr int kValuesPerWriter = 25;

std::string WriterValueName(int writer, int index) {
    return std::string("W").append(std::to_string(writer)).append("_").append(std::to_string(index));
}

void WriteValuesOf(int writer) {
    for (int i = 0; i < kValuesPerWriter; ++i)
        WriteRegistryInt(Hive::CurrentUser, kFiles, WriterValueName(writer, i), writer * 1000 + i);
}

void ExpectAllWriterValues(int writers) {
    for (int writer = 0; writer < writers; ++writer)
        for (int i = 0; i < kValuesPerWriter; ++i)
            EXPECT_EQ(ReadRegistryInt(Hive::CurrentUser, kFiles, WriterValueName(writer, i)), writer * 1000 + i)
                << WriterValueName(writer, i);
}

TEST_F(SettingsStoreTest, ConcurrentThreadsLoseNoValue) {
    std::vector<std::thread> threads;
    for (int writer = 0; writer < kWriters; ++writer) threads.emplace_back(WriteValuesOf, writer);
    // A reader running alongside only ever sees whole files.
    for (int i = 0; i < 50; ++i) {
        if (std::filesystem::exists(CurrentUserFile())) {
            EXPECT_TRUE(detail::ParseRegistryText(testing::TempEnvironment::readFile(CurrentUserFile())).complete);
        }
    }
    for (std::thread& thread : threads) thread.join();
    ExpectAllWriterValues(kWriters);
}

TEST_F(SettingsStoreTest, ConcurrentProcessesLoseNoValue) {
    std::vector<pid_t> children;
    for (int writer = 0; writer < kWriters; ++writer) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            WriteValuesOf(writer);
            ::_exit(0);
        }
        children.push_back(pid);
    }
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    ExpectAllWriterValues(kWriters);
}

}  // namespace
}  // namespace platform
