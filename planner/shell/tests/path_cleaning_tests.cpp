#include "shell/path_cleaning.h"

#include <gtest/gtest.h>

#include <optional>

#include "platform/settings_store.h"
#include "testing/temp_environment.h"

namespace trevalo {
namespace {

struct PathCase {
    const char* input;
    const char* expected;
};

TEST(CollapseDoubleBackslashes, LeavesSingleSeparators) {
    const PathCase cases[] = {
        {"C:\\\\Quillet\\\\Data\\\\", "C:\\Quillet\\Data\\"},
        {"\\\\server\\share", "\\server\\share"},
        {"C:\\\\\\\\Deep", "C:\\Deep"},
        {"C:\\Quillet\\DuzE.exe", "C:\\Quillet\\DuzE.exe"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(CollapseDoubleBackslashes(c.input), c.expected) << c.input;
}

TEST(FinalBackslash, PlannerAddsOneBuilderKeepsExactlyOne) {
    const PathCase planner[] = {{"C:\\Quillet", "C:\\Quillet\\"}, {"C:\\Quillet\\", "C:\\Quillet\\"}, {"", "\\"}};
    for (const auto& c : planner) EXPECT_EQ(WithFinalBackslash(c.input), c.expected) << c.input;

    const PathCase builder[] = {{"C:\\Quillet", "C:\\Quillet\\"},
                                {"C:\\Quillet\\\\\\", "C:\\Quillet\\"},
                                {"C:\\\\Quillet\\\\", "C:\\\\Quillet\\"},
                                {"", "\\"}};
    for (const auto& c : builder) EXPECT_EQ(WithOneFinalBackslash(c.input), c.expected) << c.input;
}

class StartupPathsTest : public ::testing::Test {
protected:
    std::optional<std::string> Stored(const char* key) const {
        return platform::ReadRegistryString(platform::Hive::CurrentUser,
                                            "Software\\Quillet Applications\\Quillet\\FILES", key);
    }

    platform::testing::TempEnvironment env_;
    Settings settings_;
};

TEST_F(StartupPathsTest, PlannerCleansAndWritesBackTheFourPaths) {
    settings_.WriteString(SettingId::Directory, "\\\\server\\\\Quillet");
    settings_.WriteString(SettingId::AdventureBuild, "D:\\\\Tools\\\\DuzE.exe");
    settings_.WriteString(SettingId::Airport, "C:\\Quillet\\\\Airport.nav");
    settings_.WriteString(SettingId::Editor, "C:\\\\Quillet\\\\Quillet.exe");

    NormaliseFilePaths(settings_);

    EXPECT_EQ(Stored("Directory"), "\\server\\Quillet\\");
    EXPECT_EQ(Stored("Adventure Build"), "D:\\Tools\\DuzE.exe");
    EXPECT_EQ(Stored("Airport"), "C:\\Quillet\\Airport.nav");
    EXPECT_EQ(Stored("Navaids"), "C:\\Quillet\\Navaids.nav");     // missing: its default
    EXPECT_EQ(Stored("Editor"), "C:\\\\Quillet\\\\Quillet.exe");  // not a start-up path
}

TEST_F(StartupPathsTest, FirstPlannerStartStoresTheDefaults) {
    NormaliseFilePaths(settings_);
    EXPECT_EQ(Stored("Directory"), "C:\\Quillet\\");
    EXPECT_EQ(Stored("Adventure Build"), "C:\\Quillet\\DuzE.exe");
    EXPECT_EQ(Stored("Airport"), "C:\\Quillet\\Airport.nav");
    EXPECT_EQ(Stored("Navaids"), "C:\\Quillet\\Navaids.nav");
}

TEST_F(StartupPathsTest, BuilderBaseDirectoryIsKeptInMemoryOnly) {
    EXPECT_EQ(BuilderBaseDirectory(settings_), "C:\\Quillet\\");
    EXPECT_EQ(Stored("Directory"), std::nullopt);

    settings_.WriteString(SettingId::Directory, "D:\\Data\\\\\\");
    EXPECT_EQ(BuilderBaseDirectory(settings_), "D:\\Data\\");
    EXPECT_EQ(Stored("Directory"), "D:\\Data\\\\\\");
}

}  // namespace
}  // namespace trevalo
