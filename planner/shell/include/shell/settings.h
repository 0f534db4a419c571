// Typed reading and writing of the suite's settings (see settings_table.h) in the user's
// store under Software\Quillet Applications\Quillet. A missing value reads as the table's
// default; write failures are not reported.
#pragma once

#include <string>

#include "platform/settings_store.h"
#include "shell/settings_table.h"

namespace trevalo {

inline constexpr const char* kSettingsCompany = "Quillet Applications";
inline constexpr const char* kSettingsProfile = "Quillet";

class Settings {
public:
    Settings();

    // String and switch settings.
    std::string ReadString(SettingId id) const;
    void WriteString(SettingId id, const std::string& value) const;

    // Integer settings.
    int ReadInt(SettingId id) const;
    void WriteInt(SettingId id, int value) const;

    // A switch is on only when its text (or its default) is exactly "1".
    bool IsSwitchOn(SettingId id) const;
    // Stores a switch as "1" or "0".
    void WriteSwitch(SettingId id, bool on) const;

private:
    platform::Profile profile_;
};

}  // namespace trevalo
