#include "periphery/config_values.h"

#include <algorithm>
#include <string_view>

#include "platform/file_search.h"
#include "platform/numbers.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "shell/path_cleaning.h"

namespace trevalo {
namespace {

constexpr std::string_view kRefusedNameCharacters = "\\/:*?\"<>|";
constexpr std::string_view kDeviceNames[] = {"CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2", "COM3", "COM4",
                                             "COM5", "COM6", "COM7", "COM8", "COM9", "LPT1", "LPT2", "LPT3",
                                             "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9"};

int MoveToDirIndex(const std::string& stored) {
    const std::optional<int> index = platform::ParseInt(platform::Trimmed(stored));
    if (!index || *index < 0 || *index >= static_cast<int>(kMoveToDirCategories.size())) return -1;
    return *index;
}

struct TextSetting {
    SettingId id;
    std::string ConfigValues::*value;
};
constexpr TextSetting kTexts[] = {
    {SettingId::AdventureBuild, &ConfigValues::compiler},
    {SettingId::MapWizard, &ConfigValues::mapWizard},
    {SettingId::Weather, &ConfigValues::weather},
    {SettingId::Editor, &ConfigValues::editor},
    {SettingId::Ftp, &ConfigValues::ftp},
    {SettingId::Fs2k2MoveTo, &ConfigValues::flightsFolder},
};

struct SwitchSetting {
    SettingId id;
    bool ConfigValues::*value;
};
constexpr SwitchSetting kSwitches[] = {
    {SettingId::AutoTab, &ConfigValues::autoTab},
    {SettingId::AutoCreateAdv, &ConfigValues::autoCreateAdv},
    {SettingId::AutoMove, &ConfigValues::autoMove},
    {SettingId::AutoMoveSound, &ConfigValues::autoMoveSound},
    {SettingId::AutoMoveFs2k2, &ConfigValues::autoMoveFs2k2},
    {SettingId::RealMovePlane, &ConfigValues::realMovePlane},
};

constexpr int kDefaultPlaneUpdateSeconds = 10;

}  // namespace

ConfigValues ReadConfigValues(const Settings& settings) {
    ConfigValues values;
    values.baseDirectory = WithFinalBackslash(settings.ReadString(SettingId::Directory));
    for (const TextSetting& text : kTexts) values.*text.value = settings.ReadString(text.id);
    for (const SwitchSetting& entry : kSwitches) values.*entry.value = settings.IsSwitchOn(entry.id);
    values.storedMoveToDir = settings.ReadString(SettingId::MoveToDir);
    values.moveToDir = MoveToDirIndex(values.storedMoveToDir);
    const std::string seconds = platform::Trimmed(settings.ReadString(SettingId::RealMovePlaneUpdt));
    values.planeUpdateSeconds =
        std::clamp(platform::ParseInt(seconds).value_or(kDefaultPlaneUpdateSeconds), 0, kMaxPlaneUpdateSeconds);
    values.check = settings.ReadInt(SettingId::Check) == 1;
    values.checkDayIndex = CheckDayIndex(settings.ReadInt(SettingId::CheckDay));
    return values;
}

void WriteConfigValues(const Settings& settings, const ConfigValues& values) {
    for (const SwitchSetting& entry : kSwitches) settings.WriteSwitch(entry.id, values.*entry.value);
    settings.WriteInt(SettingId::Check, values.check ? 1 : 0);
    settings.WriteInt(SettingId::CheckDay, CheckDaysOf(values.checkDayIndex));
    // A stored index that the list does not hold stays as it was.
    settings.WriteString(SettingId::MoveToDir,
                         values.moveToDir >= 0 ? platform::IntText(values.moveToDir) : values.storedMoveToDir);
    settings.WriteString(SettingId::RealMovePlaneUpdt, platform::IntText(values.planeUpdateSeconds));
    for (const TextSetting& text : kTexts) settings.WriteString(text.id, values.*text.value);
}

int CheckDayIndex(int days) {
    for (std::size_t i = 0; i < kCheckDayChoices.size(); ++i)
        if (days <= kCheckDayChoices[i]) return static_cast<int>(i);
    return 0;
}

int CheckDaysOf(int index) {
    if (index < 0 || index >= static_cast<int>(kCheckDayChoices.size())) return kCheckDayChoices[0];
    return kCheckDayChoices[static_cast<std::size_t>(index)];
}

bool IsPlainFolderName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    for (char c : name) {
        if (static_cast<unsigned char>(c) < 0x20 || kRefusedNameCharacters.find(c) != std::string_view::npos)
            return false;
    }
    const char first = name.front();
    const char last = name.back();
    if (first == ' ' || first == '.' || last == ' ' || last == '.') return false;
    const std::string stem = platform::UpperCased(name.substr(0, name.find('.')));
    return std::find(std::begin(kDeviceNames), std::end(kDeviceNames), stem) == std::end(kDeviceNames);
}

std::vector<std::string> FlightsFolders(const std::string& fs2002Folder) {
    std::vector<std::string> names;
    for (const platform::FoundFile& found :
         platform::FindFiles(platform::JoinWindowsPath(fs2002Folder, "flights\\*.*")))
        if (found.isFolder) names.push_back(found.name);
    return names;
}

}  // namespace trevalo
