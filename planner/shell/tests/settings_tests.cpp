#include "shell/settings.h"

#include <gtest/gtest.h>

#include <optional>

#include "platform/settings_store.h"
#include "testing/temp_environment.h"

namespace trevalo {
namespace {

constexpr const char* kFilesKeyPath = "Software\\Quillet Applications\\Quillet\\Files";

class SettingsTest : public ::testing::Test {
protected:
    platform::testing::TempEnvironment env_;
    Settings settings_;
    platform::Profile profile_{kSettingsCompany, kSettingsProfile};
};

TEST_F(SettingsTest, EmptyStoreReadsDefaults) {
    struct TextCase {
        SettingId id;
        const char* value;
    };
    const TextCase texts[] = {
        {SettingId::Directory, "C:\\Quillet\\"},
        {SettingId::AdventureBuild, "C:\\Quillet\\DuzE.exe"},
        {SettingId::Ftp, "C:\\Quillet\\Fetchwell.exe"},
        {SettingId::Navaids, "C:\\Quillet\\Navaids.nav"},
        {SettingId::LastBuild, ""},
        {SettingId::MoveToDir, "4"},
        {SettingId::RealMovePlaneUpdt, "10"},
        {SettingId::TipTimeStamp, ""},
    };
    for (const auto& c : texts) {
        EXPECT_EQ(settings_.ReadString(c.id), c.value) << DescribeSetting(c.id).key;
    }
    struct NumberCase {
        SettingId id;
        int value;
    };
    const NumberCase numbers[] = {
        {SettingId::Check, 0},      {SettingId::CheckDay, 30},  {SettingId::Year, 0},
        {SettingId::TipStartUp, 0}, {SettingId::TipFilePos, 0},
    };
    for (const auto& c : numbers) {
        EXPECT_EQ(settings_.ReadInt(c.id), c.value) << DescribeSetting(c.id).key;
    }
    EXPECT_FALSE(settings_.ReadString(SettingId::Home).empty());
}

TEST_F(SettingsTest, ValuesLiveUnderTheSuitesKey) {
    settings_.WriteString(SettingId::Directory, "D:\\Data\\");
    settings_.WriteInt(SettingId::CheckDay, 60);
    EXPECT_EQ(platform::ReadRegistryString(platform::Hive::CurrentUser, kFilesKeyPath, "Directory"),
              std::optional<std::string>("D:\\Data\\"));
    EXPECT_EQ(platform::ReadRegistryInt(platform::Hive::CurrentUser, "Software\\Quillet Applications\\Quillet\\Update",
                                        "CheckDay"),
              std::optional<int>(60));
    EXPECT_EQ(settings_.ReadInt(SettingId::CheckDay), 60);
}

TEST_F(SettingsTest, UpperCaseFilesSectionIsTheSameSection) {
    profile_.WriteString("FILES", "Airport", "D:\\Nav\\Airport.nav");
    EXPECT_EQ(settings_.ReadString(SettingId::Airport), "D:\\Nav\\Airport.nav");

    settings_.WriteString(SettingId::Navaids, "D:\\Nav\\Navaids.nav");
    EXPECT_EQ(profile_.GetString("FILES", "Navaids", ""), "D:\\Nav\\Navaids.nav");

    profile_.WriteString("FILES", "Navaids", "E:\\Navaids.nav");
    EXPECT_EQ(settings_.ReadString(SettingId::Navaids), "E:\\Navaids.nav");
}

TEST_F(SettingsTest, SwitchIsOnOnlyForExactlyOne) {
    const SettingId switches[] = {SettingId::AutoTab,       SettingId::AutoCreateAdv, SettingId::AutoMove,
                                  SettingId::AutoMoveFs2k2, SettingId::AutoMoveSound, SettingId::RealMovePlane};
    // Missing: each reads its default "1".
    for (SettingId id : switches) EXPECT_TRUE(settings_.IsSwitchOn(id)) << DescribeSetting(id).key;

    struct Case {
        const char* stored;
        bool on;
    };
    const Case cases[] = {
        {"0", false}, {"1", true}, {"yes", false}, {" 1", false}, {"1 ", false}, {"", false}, {"01", false},
    };
    for (const auto& c : cases) {
        for (SettingId id : switches) {
            settings_.WriteString(id, c.stored);
            EXPECT_EQ(settings_.IsSwitchOn(id), c.on) << DescribeSetting(id).key << " = '" << c.stored << "'";
        }
    }
}

TEST_F(SettingsTest, SwitchesAreStoredAsOneOrZero) {
    const SettingId switches[] = {SettingId::AutoMove, SettingId::RealMovePlane};
    for (SettingId id : switches) {
        const std::string key(DescribeSetting(id).key);
        settings_.WriteSwitch(id, false);
        EXPECT_EQ(profile_.GetString("Config", key, ""), "0") << key;
        EXPECT_FALSE(settings_.IsSwitchOn(id)) << key;
        settings_.WriteSwitch(id, true);
        EXPECT_EQ(profile_.GetString("Config", key, ""), "1") << key;
        EXPECT_TRUE(settings_.IsSwitchOn(id)) << key;
    }
}

TEST(SettingTable, KeysAreUniqueWithinTheirSection) {
    for (const SettingEntry& a : kSettingTable) {
        for (const SettingEntry& b : kSettingTable) {
            if (&a == &b) continue;
            EXPECT_FALSE(a.section == b.section && a.key == b.key) << a.section << "/" << a.key;
        }
    }
}

}  // namespace
}  // namespace trevalo
