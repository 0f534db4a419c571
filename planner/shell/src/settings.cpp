#include "shell/settings.h"

namespace trevalo {

namespace {
constexpr std::string_view kSwitchOn = "1";
constexpr std::string_view kSwitchOff = "0";

std::string Text(std::string_view view) { return std::string(view); }
}  // namespace

Settings::Settings() : profile_(kSettingsCompany, kSettingsProfile) {}

std::string Settings::ReadString(SettingId id) const {
    const SettingEntry& entry = DescribeSetting(id);
    assert(entry.type != SettingType::Integer);
    return profile_.GetString(Text(entry.section), Text(entry.key), Text(entry.defaultText));
}

void Settings::WriteString(SettingId id, const std::string& value) const {
    const SettingEntry& entry = DescribeSetting(id);
    assert(entry.type != SettingType::Integer);
    profile_.WriteString(Text(entry.section), Text(entry.key), value);
}

int Settings::ReadInt(SettingId id) const {
    const SettingEntry& entry = DescribeSetting(id);
    assert(entry.type == SettingType::Integer);
    return profile_.GetInt(Text(entry.section), Text(entry.key), entry.defaultNumber);
}

void Settings::WriteInt(SettingId id, int value) const {
    const SettingEntry& entry = DescribeSetting(id);
    assert(entry.type == SettingType::Integer);
    profile_.WriteInt(Text(entry.section), Text(entry.key), value);
}

bool Settings::IsSwitchOn(SettingId id) const { return ReadString(id) == kSwitchOn; }

void Settings::WriteSwitch(SettingId id, bool on) const {
    assert(DescribeSetting(id).type == SettingType::Switch);
    WriteString(id, Text(on ? kSwitchOn : kSwitchOff));
}

}  // namespace trevalo
