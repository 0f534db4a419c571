// Settings store in place of the registry. HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE are
// each kept in one text file in the regedit text format ("REGEDIT4", "[key path]",
// "\"name\"=\"value\"", "\"name\"=dword:0000001e") in the folder named by
// QUILLET_SETTINGS_DIR (default $XDG_CONFIG_HOME/quillet or ~/.config/quillet):
// current-user.reg and local-machine.reg.
//
// Key paths and value names compare without regard to case; the first-written spelling
// is kept. Every write is a locked read-modify-write that replaces the file atomically,
// so programs that share the store lose no value and a reader never sees half a file. A
// line that cannot be read is skipped and the lines after it are read; readers never
// change the file, and a write keeps every line it did not understand. A file that
// exists but cannot be read gives no values and is never replaced (the write fails).
//
// Types: reading a dword as a string gives its decimal text (as a signed int); reading a
// string as an int gives its value when the whole string (blanks around it aside) is a
// decimal integer in int range, else nothing. Names, values and key paths holding a line
// break cannot be stored (the write fails).
#pragma once

#include <optional>
#include <string>

#include "platform/export.h"

namespace platform {

enum class Hive { CurrentUser, LocalMachine };

// keyPath uses backslashes, e.g. "Software\\Quillet Applications\\Quillet\\Files".
PLATFORM_API std::optional<std::string> ReadRegistryString(Hive hive, const std::string& keyPath,
                                                           const std::string& name);
PLATFORM_API std::optional<int> ReadRegistryInt(Hive hive, const std::string& keyPath, const std::string& name);
PLATFORM_API bool WriteRegistryString(Hive hive, const std::string& keyPath, const std::string& name,
                                      const std::string& value);
PLATFORM_API bool WriteRegistryInt(Hive hive, const std::string& keyPath, const std::string& name, int value);

// The class library's profile functions: values under
// HKEY_CURRENT_USER\Software\<company>\<profile>\<section>.
class PLATFORM_API Profile {
public:
    Profile(std::string company, std::string profile);

    std::string GetString(const std::string& section, const std::string& key, const std::string& defaultValue) const;
    int GetInt(const std::string& section, const std::string& key, int defaultValue) const;
    bool WriteString(const std::string& section, const std::string& key, const std::string& value) const;
    bool WriteInt(const std::string& section, const std::string& key, int value) const;

    std::string KeyPath(const std::string& section) const;

private:
    std::string company_;
    std::string profile_;
};

}  // namespace platform
