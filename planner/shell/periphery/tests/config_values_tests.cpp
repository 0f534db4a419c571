#include "periphery/config_values.h"

#include <gtest/gtest.h>

#include "testing/temp_environment.h"

namespace trevalo {
namespace {

TEST(CheckDaysTest, StoredDaysShowAsTheirChoiceAndNoChoiceIsThirty) {
    struct Case {
        int stored;
        int shown;
    };
    const Case cases[] = {{0, 30}, {30, 30}, {45, 60}, {60, 60}, {61, 90}, {120, 120}, {121, 30}, {-5, 30}};
    for (const Case& c : cases) EXPECT_EQ(CheckDaysOf(CheckDayIndex(c.stored)), c.shown) << c.stored;
    EXPECT_EQ(CheckDaysOf(-1), 30);
    EXPECT_EQ(CheckDaysOf(4), 30);
}

TEST(FolderNameTest, OnlyANameForOneFolderInsideTheFlightsFolder) {
    struct Case {
        const char* name;
        bool plain;
    };
    const Case cases[] = {
        {"Quillet Adventures", true},
        {"Trips 2002", true},
        {"v1.2", true},
        {"", false},
        {".", false},
        {"..", false},
        {"..\\..\\x", false},
        {"a\\b", false},
        {"a/b", false},
        {"C:x", false},
        {" lead", false},
        {"trail ", false},
        {"trail.", false},
        {".hidden", false},
        {"what?", false},
        {"a*b", false},
        {"a|b", false},
        {"CON", false},
        {"nul.txt", false},
        {"Tab\tin", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsPlainFolderName(c.name), c.plain) << '"' << c.name << '"';
}

class ConfigValuesTest : public ::testing::Test {
protected:
    platform::testing::TempEnvironment env_;
    Settings settings_;
};

TEST_F(ConfigValuesTest, FreshSettingsReadAsTheirDefaultsAndWriteBackTheSame) {
    const ConfigValues values = ReadConfigValues(settings_);
    EXPECT_EQ(values.baseDirectory, "C:\\Quillet\\");
    EXPECT_EQ(values.compiler, "C:\\Quillet\\DuzE.exe");
    EXPECT_EQ(values.ftp, "C:\\Quillet\\Fetchwell.exe");
    EXPECT_EQ(values.moveToDir, 4);
    EXPECT_EQ(values.planeUpdateSeconds, 10);
    EXPECT_FALSE(values.check);
    EXPECT_TRUE(values.autoMove && values.autoMoveFs2k2 && values.autoMoveSound && values.autoCreateAdv &&
                values.autoTab && values.realMovePlane);
    WriteConfigValues(settings_, values);
    EXPECT_EQ(settings_.ReadString(SettingId::MoveToDir), "4");
    EXPECT_EQ(settings_.ReadString(SettingId::RealMovePlaneUpdt), "10");
    EXPECT_EQ(settings_.ReadInt(SettingId::CheckDay), 30);
    EXPECT_EQ(settings_.ReadString(SettingId::AutoTab), "1");
}

TEST_F(ConfigValuesTest, OddStoredValuesAreShownSafelyAndAnUnknownCategoryIsKept) {
    settings_.WriteString(SettingId::Directory, "D:\\Base");
    settings_.WriteString(SettingId::MoveToDir, "7");
    settings_.WriteString(SettingId::RealMovePlaneUpdt, "75");
    settings_.WriteString(SettingId::AutoMove, "yes");
    settings_.WriteInt(SettingId::CheckDay, 45);
    ConfigValues values = ReadConfigValues(settings_);
    EXPECT_EQ(values.baseDirectory, "D:\\Base\\");
    EXPECT_EQ(settings_.ReadString(SettingId::Directory), "D:\\Base");
    EXPECT_EQ(values.moveToDir, -1);
    EXPECT_EQ(values.planeUpdateSeconds, 60);
    EXPECT_FALSE(values.autoMove);
    values.checkDayIndex = -1;
    WriteConfigValues(settings_, values);
    EXPECT_EQ(settings_.ReadString(SettingId::MoveToDir), "7");
    EXPECT_EQ(settings_.ReadInt(SettingId::CheckDay), 30);
    EXPECT_EQ(settings_.ReadString(SettingId::AutoMove), "0");
}

TEST_F(ConfigValuesTest, FlightsFoldersAreTheFoldersOfTheFlightsFolder) {
    env_.writeFile("drive_c/FS2002/flights/Beta/x.flt", "");
    env_.writeFile("drive_c/FS2002/flights/alpha/y.flt", "");
    env_.writeFile("drive_c/FS2002/flights/loose.flt", "");
    EXPECT_EQ(FlightsFolders("C:\\FS2002\\"), (std::vector<std::string>{"alpha", "Beta"}));
    EXPECT_TRUE(FlightsFolders("C:\\Missing\\").empty());
}

}  // namespace
}  // namespace trevalo
