#include "platform/paths.h"

#include <cctype>
#include <string_view>
#include <system_error>

#include "ascii_case.h"
#include "case_insensitive_lookup.h"
#include "environment.h"

namespace platform {
namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool HasDrive(std::string_view path) {
    return path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':';
}

// Where the components of a Windows path start from, and the text after that root.
std::filesystem::path RootOf(std::string_view& rest) {
    if (HasDrive(rest)) {
        const char letter = rest[0];
        rest.remove_prefix(2);
        return DriveRoot(letter);
    }
    if (!rest.empty() && rest[0] == '/') return "/";
    if (!rest.empty() && rest[0] == '\\') return DriveRoot('C');
    return {};
}

size_t NamePartStart(const std::string& windowsPath) {
    const size_t separator = windowsPath.find_last_of("\\/");
    if (separator != std::string::npos) return separator + 1;
    return HasDrive(windowsPath) ? 2 : 0;
}

}  // namespace

std::filesystem::path DriveRoot(char driveLetter) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(driveLetter)));
    std::filesystem::path root;
    if (auto configured = EnvironmentValue(std::string("QUILLET_DRIVE_") + upper)) {
        root = *configured;
    } else {
        root = UserFolder("XDG_DATA_HOME", ".local/share") / (std::string("drive_") + ToLowerAscii(upper));
    }
    std::error_code ignored;
    std::filesystem::create_directories(root, ignored);
    return root;
}

std::filesystem::path HostPath(const std::string& windowsPath) {
    std::string_view rest = windowsPath;
    std::filesystem::path result = RootOf(rest);
    bool onDisk = true;  // once a component is missing, nothing below it can exist
    size_t pos = 0;
    while (pos < rest.size()) {
        const size_t end = std::min(rest.find_first_of("\\/", pos), rest.size());
        const std::string component(rest.substr(pos, end - pos));
        pos = end + 1;
        if (component.empty()) continue;
        if (component == "." || component == "..") {
            result /= component;
            continue;
        }
        if (onDisk) {
            if (auto found = FindEntryIgnoringCase(result, component)) {
                result /= *found;
                continue;
            }
            onDisk = false;
        }
        result /= component;
    }
    return result;
}

std::string JoinWindowsPath(const std::string& folder, const std::string& name) {
    size_t folderEnd = folder.size();
    while (folderEnd > 0 && IsSeparator(folder[folderEnd - 1])) --folderEnd;
    size_t nameStart = 0;
    while (nameStart < name.size() && IsSeparator(name[nameStart])) ++nameStart;
    if (folderEnd == 0 && folder.empty()) return name.substr(nameStart);
    return folder.substr(0, folderEnd) + "\\" + name.substr(nameStart);
}

std::string WindowsFolderPart(const std::string& windowsPath) {
    return windowsPath.substr(0, NamePartStart(windowsPath));
}

std::string WindowsNamePart(const std::string& windowsPath) {
    return windowsPath.substr(NamePartStart(windowsPath));
}

}  // namespace platform
