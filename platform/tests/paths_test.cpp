#include "platform/paths.h"

#include <gtest/gtest.h>

#include "testing/temp_environment.h"

namespace platform {
namespace {

class PathsTest : public ::testing::Test {
protected:
    void SetUp() override {
        env_.writeFile("drive_c/Quillet/Airport.nav", "x");
        env_.writeFile("drive_c/Quillet/Map/N45E005.TMP", "x");
        env_.writeFile("drive_c/Flight Simulator/SCENERY/World/file.bgl", "x");
        env_.writeFile("drive_d/Data/a.txt", "x");
    }
    testing::TempEnvironment env_;
};

TEST_F(PathsTest, MapsDrivesSeparatorsAndCase) {
    const auto c = env_.driveC();
    const auto d = env_.driveD();
    const struct {
        const char* windows;
        std::filesystem::path host;
    } cases[] = {
        {"C:\\Quillet\\Airport.nav", c / "Quillet/Airport.nav"},
        {"c:\\QUILLET\\airport.NAV", c / "Quillet/Airport.nav"},
        {"C:\\\\Quillet\\\\Map\\\\n45e005.tmp", c / "Quillet/Map/N45E005.TMP"},
        {"C:/Quillet/Map/N45E005.tmp", c / "Quillet/Map/N45E005.TMP"},
        {"\\Quillet\\Airport.nav", c / "Quillet/Airport.nav"},
        {"C:\\flight simulator\\Scenery\\WORLD\\FILE.BGL", c / "Flight Simulator/SCENERY/World/file.bgl"},
        {"D:\\data\\A.TXT", d / "Data/a.txt"},
        // Missing components stay as written, below the part that exists.
        {"C:\\quillet\\New Folder\\Build.txt", c / "Quillet/New Folder/Build.txt"},
        {"C:\\Quillet\\", c / "Quillet"},
        {"C:\\", c},
    };
    for (const auto& test : cases) EXPECT_EQ(HostPath(test.windows), test.host) << test.windows;
}

TEST_F(PathsTest, HostFilesOnADriveHaveTheirWindowsPath) {
    const struct {
        std::filesystem::path host;
        std::optional<std::string> windows;
    } cases[] = {
        {env_.driveC() / "Quillet/DuzE.exe", "C:\\Quillet\\DuzE.exe"},
        {env_.driveD() / "Data/../Data/a.txt", "D:\\Data\\a.txt"},
        {env_.driveC(), "C:\\"},
        {env_.driveC() / "Quillet/", "C:\\Quillet"},
        {env_.root() / "elsewhere/file.txt", std::nullopt},
        {env_.driveC() / "../drive_d/Data", "D:\\Data"},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(WindowsPathOf(test.host), test.windows) << test.host;
        if (!test.windows) continue;
        EXPECT_EQ(HostPath(*test.windows), HostPath(test.host.string())) << test.host;
    }
}

TEST_F(PathsTest, ExactSpellingWinsOverOtherCase) {
    env_.writeFile("drive_c/Quillet/airport.nav", "y");
    EXPECT_EQ(HostPath("C:\\Quillet\\airport.nav"), env_.driveC() / "Quillet/airport.nav");
    EXPECT_EQ(HostPath("C:\\Quillet\\Airport.nav"), env_.driveC() / "Quillet/Airport.nav");
}

TEST_F(PathsTest, HostAndRelativePathsResolveAgainstDisk) {
    const std::string host = (env_.driveC() / "QUILLET" / "airport.nav").string();
    EXPECT_EQ(HostPath(host), env_.driveC() / "Quillet/Airport.nav");

    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(env_.driveC() / "Quillet");
    EXPECT_EQ(HostPath("map\\n45e005.tmp"), std::filesystem::path("Map/N45E005.TMP"));
    std::filesystem::current_path(previous);
}

TEST_F(PathsTest, NeverLeavesTheFolderItStartsFrom) {
    const auto c = env_.driveC();
    const auto d = env_.driveD();
    const std::string driveCText = c.string();
    const struct {
        std::string windows;
        std::filesystem::path host;
    } cases[] = {
        {"C:\\Quillet\\..\\..\\..\\etc\\passwd", c / "etc/passwd"},
        {"C:\\..\\Quillet\\.\\Airport.nav", c / "Quillet/Airport.nav"},
        {"D:/../../Data/a.txt", d / "Data/a.txt"},
        {"\\..\\..\\tmp\\x.txt", c / "tmp/x.txt"},
        // A host path outside every mapped folder is a path on drive C.
        {"/etc/passwd", c / "etc/passwd"},
        {"/", c},
        {driveCText + "/../../../etc/passwd", c / "etc/passwd"},
        // Inside a mapped folder it stays a host path, also when ".." leads to another one.
        {driveCText + "/../drive_d/data/A.TXT", d / "Data/a.txt"},
        {(env_.tempDir() / "Build.txt").string(), env_.tempDir() / "Build.txt"},
    };
    for (const auto& test : cases) EXPECT_EQ(HostPath(test.windows), test.host) << test.windows;

    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(c / "Quillet");
    EXPECT_EQ(HostPath("..\\..\\Map\\n45e005.tmp"), std::filesystem::path("Map/N45E005.TMP"));
    std::filesystem::current_path(previous);
}

TEST(DriveRootTest, DefaultsUnderTheUserDataFolder) {
    testing::TempEnvironment env;
    const char* xdg = std::getenv("XDG_DATA_HOME");
    const std::string savedXdg = xdg != nullptr ? xdg : "";
    ::unsetenv("QUILLET_DRIVE_E");
    ::setenv("XDG_DATA_HOME", (env.root() / "data").c_str(), 1);
    EXPECT_EQ(DriveRoot('e'), env.root() / "data/quillet/drive_e");
    EXPECT_TRUE(std::filesystem::is_directory(env.root() / "data/quillet/drive_e"));
    if (xdg != nullptr)
        ::setenv("XDG_DATA_HOME", savedXdg.c_str(), 1);
    else
        ::unsetenv("XDG_DATA_HOME");
}

TEST(WindowsPathTextTest, JoinsAndSplits) {
    const struct {
        const char* folder;
        const char* name;
        const char* joined;
    } joins[] = {
        {"C:\\Quillet\\", "Airport.nav", "C:\\Quillet\\Airport.nav"},
        {"C:\\Quillet", "Airport.nav", "C:\\Quillet\\Airport.nav"},
        {"C:\\Quillet\\\\", "\\Map\\x.tmp", "C:\\Quillet\\Map\\x.tmp"},
        {"", "Build.txt", "Build.txt"},
    };
    for (const auto& test : joins) EXPECT_EQ(JoinWindowsPath(test.folder, test.name), test.joined);

    const struct {
        const char* path;
        const char* folder;
        const char* name;
    } splits[] = {
        {"C:\\Quillet\\Map\\*.tmp", "C:\\Quillet\\Map\\", "*.tmp"},
        {"C:x.txt", "C:", "x.txt"},
        {"Build.txt", "", "Build.txt"},
        {"C:\\Quillet\\", "C:\\Quillet\\", ""},
    };
    for (const auto& test : splits) {
        EXPECT_EQ(WindowsFolderPart(test.path), test.folder) << test.path;
        EXPECT_EQ(WindowsNamePart(test.path), test.name) << test.path;
    }
}

}  // namespace
}  // namespace platform
