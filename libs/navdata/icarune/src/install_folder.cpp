#include <cstring>

#include "icarune/icarune.h"
#include "platform/settings_store.h"

namespace {

struct InstallKey {
    int version;
    const char* keyPath;
    const char* valueName;
};

constexpr InstallKey kInstallKeys[] = {
    {7, "Software\\Microsoft\\Microsoft Games\\Flight Simulator\\7.0", "path"},
    {8, "Software\\Microsoft\\Microsoft Games\\Flight Simulator\\8.0", "EXE Path"},
};
// The value is read into a buffer of 260 characters, terminator included; a longer
// value does not fit and counts as not read.
constexpr std::size_t kValueCapacity = 259;

}  // namespace

// Reads only: the settings store's reads never open a key for writing.
int LoadReg(char* out, int version) {
    if (out == nullptr) {
        return 0;
    }
    out[0] = '\0';
    for (const InstallKey& key : kInstallKeys) {
        if (key.version != version) {
            continue;
        }
        auto value = platform::ReadRegistryString(platform::Hive::LocalMachine, key.keyPath, key.valueName);
        if (!value || value->size() > kValueCapacity) {
            return 0;
        }
        std::string folder = *value;
        if (folder.empty() || folder.back() != '\\') {
            folder += '\\';
        }
        std::memcpy(out, folder.c_str(), folder.size() + 1);
        return 1;
    }
    return 0;
}
