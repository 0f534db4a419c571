// Every setting the suite's programs keep in the user's settings store: section, key, type
// and default, in one table. Section and key names compare without regard to case, so
// "Files" and "FILES" are one section.
#pragma once

#include <array>
#include <cassert>
#include <cstddef>
#include <string_view>

namespace trevalo {

enum class SettingType {
    String,
    Switch,  // a string, on only when it is exactly "1"
    Integer,
};

enum class SettingId {
    // Files
    Directory,
    AdventureBuild,
    MapWizard,
    Weather,
    Editor,
    Ftp,
    Fs2k2MoveTo,
    Airport,
    Navaids,
    LastBuild,
    // Config
    AutoTab,
    AutoCreateAdv,
    AutoMove,
    AutoMoveFs2k2,
    AutoMoveSound,
    MoveToDir,
    RealMovePlane,
    RealMovePlaneUpdt,
    // Update
    Check,
    CheckDay,
    Year,
    Month,
    Day,
    VersionA,
    VersionB,
    // Web
    Home,
    // Tip
    TipStartUp,
    TipFilePos,
    TipTimeStamp,
};

struct SettingEntry {
    SettingId id;
    std::string_view section;
    std::string_view key;
    SettingType type;
    std::string_view defaultText;  // String and Switch
    int defaultNumber;             // Integer
};

inline constexpr std::string_view kFilesSection = "Files";
inline constexpr std::string_view kConfigSection = "Config";
inline constexpr std::string_view kUpdateSection = "Update";
inline constexpr std::string_view kWebSection = "Web";
inline constexpr std::string_view kTipSection = "Tip";

// In SettingId order.
inline constexpr SettingEntry kSettingTable[] = {
    {SettingId::Directory, kFilesSection, "Directory", SettingType::String, "C:\\Quillet\\", 0},
    {SettingId::AdventureBuild, kFilesSection, "Adventure Build", SettingType::String, "C:\\Quillet\\DuzE.exe", 0},
    {SettingId::MapWizard, kFilesSection, "Map Wizard", SettingType::String, "C:\\Quillet\\Trevalo.exe", 0},
    {SettingId::Weather, kFilesSection, "Weather", SettingType::String, "C:\\Quillet\\Wx.exe", 0},
    {SettingId::Editor, kFilesSection, "Editor", SettingType::String, "C:\\Quillet\\Quillet.exe", 0},
    {SettingId::Ftp, kFilesSection, "FTP", SettingType::String, "C:\\Quillet\\Fetchwell.exe", 0},
    {SettingId::Fs2k2MoveTo, kFilesSection, "FS2K2MoveTo", SettingType::String, "", 0},
    {SettingId::Airport, kFilesSection, "Airport", SettingType::String, "C:\\Quillet\\Airport.nav", 0},
    {SettingId::Navaids, kFilesSection, "Navaids", SettingType::String, "C:\\Quillet\\Navaids.nav", 0},
    {SettingId::LastBuild, kFilesSection, "Last Build", SettingType::String, "", 0},

    {SettingId::AutoTab, kConfigSection, "AutoTab", SettingType::Switch, "1", 0},
    {SettingId::AutoCreateAdv, kConfigSection, "AutoCreateAdv", SettingType::Switch, "1", 0},
    {SettingId::AutoMove, kConfigSection, "AutoMove", SettingType::Switch, "1", 0},
    {SettingId::AutoMoveFs2k2, kConfigSection, "AutoMovefs2k2", SettingType::Switch, "1", 0},
    {SettingId::AutoMoveSound, kConfigSection, "AutoMoveSound", SettingType::Switch, "1", 0},
    {SettingId::MoveToDir, kConfigSection, "MoveToDir", SettingType::String, "4", 0},
    {SettingId::RealMovePlane, kConfigSection, "RealMovePlane", SettingType::Switch, "1", 0},
    {SettingId::RealMovePlaneUpdt, kConfigSection, "RealMovePlaneUpdt", SettingType::String, "10", 0},

    {SettingId::Check, kUpdateSection, "Check", SettingType::Integer, "", 0},
    {SettingId::CheckDay, kUpdateSection, "CheckDay", SettingType::Integer, "", 30},
    {SettingId::Year, kUpdateSection, "Year", SettingType::Integer, "", 0},
    {SettingId::Month, kUpdateSection, "Month", SettingType::Integer, "", 0},
    {SettingId::Day, kUpdateSection, "Day", SettingType::Integer, "", 0},
    // Written at every planner start; read by no program, so they have no default of use.
    {SettingId::VersionA, kUpdateSection, "VersionA", SettingType::String, "", 0},
    {SettingId::VersionB, kUpdateSection, "VersionB", SettingType::String, "", 0},

    {SettingId::Home, kWebSection, "Home", SettingType::String, "http://www.quillet-applications.example/", 0},

    {SettingId::TipStartUp, kTipSection, "StartUp", SettingType::Integer, "", 0},
    {SettingId::TipFilePos, kTipSection, "FilePos", SettingType::Integer, "", 0},
    {SettingId::TipTimeStamp, kTipSection, "TimeStamp", SettingType::String, "", 0},
};

constexpr bool SettingTableFollowsIds() {
    for (std::size_t i = 0; i < std::size(kSettingTable); ++i) {
        if (static_cast<std::size_t>(kSettingTable[i].id) != i) return false;
    }
    return true;
}
static_assert(SettingTableFollowsIds(), "kSettingTable must list the settings in SettingId order");

constexpr const SettingEntry& DescribeSetting(SettingId id) {
    const auto index = static_cast<std::size_t>(id);
    assert(index < std::size(kSettingTable));
    return kSettingTable[index];
}

// Category folders of the adventure install, chosen by the index stored in MoveToDir.
inline constexpr std::array<std::string_view, 5> kMoveToDirCategories = {"\\Advanced", "\\Beg", "\\Expert", "\\Int",
                                                                         "\\Other"};

}  // namespace trevalo
