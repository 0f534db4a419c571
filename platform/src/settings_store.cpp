#include "platform/settings_store.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "atomic_replace.h"
#include "environment.h"
#include "file_lock.h"
#include "platform/detail/registry_text.h"
#include "platform/numbers.h"

namespace platform {
namespace {

using detail::RegistryValue;

std::filesystem::path SettingsFolder() {
    if (auto configured = EnvironmentValue("QUILLET_SETTINGS_DIR")) return *configured;
    return UserFolder("XDG_CONFIG_HOME", ".config");
}

const char* HiveFileName(Hive hive) { return hive == Hive::CurrentUser ? "current-user.reg" : "local-machine.reg"; }

const char* HiveRootName(Hive hive) { return hive == Hive::CurrentUser ? "HKEY_CURRENT_USER" : "HKEY_LOCAL_MACHINE"; }

// "HKEY_CURRENT_USER\Software\..." with doubled and outer backslashes dropped.
std::string FullKeyPath(Hive hive, const std::string& keyPath) {
    std::string full = HiveRootName(hive);
    size_t pos = 0;
    while (pos < keyPath.size()) {
        size_t end = keyPath.find('\\', pos);
        if (end == std::string::npos) end = keyPath.size();
        if (end > pos) {
            full += '\\';
            full.append(keyPath, pos, end - pos);
        }
        pos = end + 1;
    }
    return full;
}

bool HasLineBreak(const std::string& text) { return text.find_first_of("\r\n") != std::string::npos; }

// The store's document; nullopt when the file exists but cannot be read. A missing
// file is an empty store.
std::optional<detail::RegistryDocument> ReadHive(const std::filesystem::path& file) {
    std::string bytes;
    if (!ReadWholeFile(file, bytes) && errno != ENOENT) return std::nullopt;
    return detail::ParseRegistryText(bytes).document;
}

std::optional<RegistryValue> ReadValue(Hive hive, const std::string& keyPath, const std::string& name) {
    const std::optional<detail::RegistryDocument> document = ReadHive(SettingsFolder() / HiveFileName(hive));
    if (!document) return std::nullopt;
    const detail::RegistryKey* key = document->Find(FullKeyPath(hive, keyPath));
    if (key == nullptr) return std::nullopt;
    const RegistryValue* value = key->Find(name);
    if (value == nullptr) return std::nullopt;
    return *value;
}

bool WriteValue(Hive hive, const std::string& keyPath, RegistryValue value) {
    if (HasLineBreak(keyPath) || HasLineBreak(value.name) || HasLineBreak(value.text)) return false;
    const std::string fullPath = FullKeyPath(hive, keyPath);
    const std::filesystem::path folder = SettingsFolder();
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    const std::filesystem::path file = folder / HiveFileName(hive);

    FileLock lock(file.string() + ".lock");
    if (!lock.locked()) return false;
    // A file that cannot be read is never replaced: its values would be lost.
    std::optional<detail::RegistryDocument> document = ReadHive(file);
    if (!document) return false;
    document->FindOrAdd(fullPath).Set(std::move(value));
    // The folder holds only the store's files, so older versions' temporaries go too.
    return ReplaceFileAtomically(file, detail::FormatRegistryText(*document), true);
}

}  // namespace

std::optional<std::string> ReadRegistryString(Hive hive, const std::string& keyPath, const std::string& name) {
    auto value = ReadValue(hive, keyPath, name);
    if (!value) return std::nullopt;
    if (value->kind == RegistryValue::Kind::Dword) return std::to_string(static_cast<int>(value->dword));
    return value->text;
}

std::optional<int> ReadRegistryInt(Hive hive, const std::string& keyPath, const std::string& name) {
    auto value = ReadValue(hive, keyPath, name);
    if (!value) return std::nullopt;
    if (value->kind == RegistryValue::Kind::Dword) return static_cast<int>(value->dword);
    return ParseInt(value->text);
}

bool WriteRegistryString(Hive hive, const std::string& keyPath, const std::string& name, const std::string& value) {
    RegistryValue entry;
    entry.name = name;
    entry.kind = RegistryValue::Kind::String;
    entry.text = value;
    return WriteValue(hive, keyPath, std::move(entry));
}

bool WriteRegistryInt(Hive hive, const std::string& keyPath, const std::string& name, int value) {
    RegistryValue entry;
    entry.name = name;
    entry.kind = RegistryValue::Kind::Dword;
    entry.dword = static_cast<uint32_t>(value);
    return WriteValue(hive, keyPath, std::move(entry));
}

Profile::Profile(std::string company, std::string profile)
    : company_(std::move(company)), profile_(std::move(profile)) {}

std::string Profile::KeyPath(const std::string& section) const {
    return "Software\\" + company_ + "\\" + profile_ + "\\" + section;
}

std::string Profile::GetString(const std::string& section, const std::string& key,
                               const std::string& defaultValue) const {
    return ReadRegistryString(Hive::CurrentUser, KeyPath(section), key).value_or(defaultValue);
}

int Profile::GetInt(const std::string& section, const std::string& key, int defaultValue) const {
    return ReadRegistryInt(Hive::CurrentUser, KeyPath(section), key).value_or(defaultValue);
}

bool Profile::WriteString(const std::string& section, const std::string& key, const std::string& value) const {
    return WriteRegistryString(Hive::CurrentUser, KeyPath(section), key, value);
}

bool Profile::WriteInt(const std::string& section, const std::string& key, int value) const {
    return WriteRegistryInt(Hive::CurrentUser, KeyPath(section), key, value);
}

}  // namespace platform
