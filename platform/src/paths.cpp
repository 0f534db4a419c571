#include "platform/paths.h"

#include <algorithm>
#include <cctype>
#include <string_view>
#include <system_error>
#include <vector>

#include "ascii_case.h"
#include "case_insensitive_lookup.h"
#include "environment.h"

namespace platform {
namespace {

constexpr const char* kDriveVariablePrefix = "QUILLET_DRIVE_";

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool HasDrive(std::string_view path) {
    return path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':';
}

char UpperDrive(char letter) { return static_cast<char>(std::toupper(static_cast<unsigned char>(letter))); }

// The folder a drive letter maps to, not created.
std::filesystem::path DriveFolder(char upper) {
    if (auto configured = EnvironmentValue(kDriveVariablePrefix + std::string(1, upper))) return *configured;
    return UserFolder("XDG_DATA_HOME", ".local/share") / (std::string("drive_") + ToLowerAscii(upper));
}

// The host folders that a host path may name: every drive's folder (the default ones lie
// in the user's data folder) and a temporary folder given as a host path.
std::vector<std::filesystem::path> MappedFolders() {
    std::vector<std::filesystem::path> folders;
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        if (auto configured = EnvironmentValue(kDriveVariablePrefix + std::string(1, letter)))
            folders.emplace_back(*configured);
    folders.push_back(UserFolder("XDG_DATA_HOME", ".local/share"));
    if (auto temp = EnvironmentValue("QUILLET_TEMP"); temp && temp->front() == '/') folders.emplace_back(*temp);
    return folders;
}

// The path's parts with "." dropped and ".." taking back the part before it; a ".." with
// nothing left to take back stays at the root, as on the target system.
std::vector<std::string> NormalParts(std::string_view rest) {
    std::vector<std::string> parts;
    size_t pos = 0;
    while (pos < rest.size()) {
        const size_t end = std::min(rest.find_first_of("\\/", pos), rest.size());
        const std::string_view part = rest.substr(pos, end - pos);
        pos = end + 1;
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
            continue;
        }
        parts.emplace_back(part);
    }
    return parts;
}

bool IsWithin(const std::vector<std::string>& parts, const std::filesystem::path& folder) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(folder, error).lexically_normal();
    if (error) return false;
    size_t index = 0;
    for (const std::filesystem::path& element : absolute.relative_path()) {
        if (element.empty()) continue;  // a trailing separator
        if (index >= parts.size() || parts[index] != element.string()) return false;
        ++index;
    }
    return true;
}

// A host path names a host file only inside the folders the platform maps; any other
// path from the root is read as one on drive C, where a leading backslash leads.
bool IsMappedHostPath(const std::vector<std::string>& parts) {
    for (const std::filesystem::path& folder : MappedFolders())
        if (IsWithin(parts, folder)) return true;
    return false;
}

// Where the parts of a Windows path start from.
std::filesystem::path RootOf(std::string_view path, const std::vector<std::string>& parts) {
    if (HasDrive(path)) return DriveRoot(path[0]);
    if (!path.empty() && path[0] == '/' && IsMappedHostPath(parts)) return "/";
    if (!path.empty() && IsSeparator(path[0])) return DriveRoot('C');
    return {};
}

size_t NamePartStart(const std::string& windowsPath) {
    const size_t separator = windowsPath.find_last_of("\\/");
    if (separator != std::string::npos) return separator + 1;
    return HasDrive(windowsPath) ? 2 : 0;
}

}  // namespace

std::filesystem::path DriveRoot(char driveLetter) {
    const std::filesystem::path root = DriveFolder(UpperDrive(driveLetter));
    std::error_code ignored;
    std::filesystem::create_directories(root, ignored);
    return root;
}

std::optional<std::string> WindowsPathOf(const std::filesystem::path& hostPath) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(hostPath, error).lexically_normal();
    if (error) return std::nullopt;
    std::optional<std::string> best;
    std::size_t bestDepth = 0;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const std::filesystem::path folder = std::filesystem::absolute(DriveFolder(letter), error).lexically_normal();
        if (error) continue;
        const std::filesystem::path relative = absolute.lexically_relative(folder);
        if (relative.empty() || *relative.begin() == "..") continue;
        // The innermost drive wins when one drive's folder lies inside another's.
        const auto depth = static_cast<std::size_t>(std::distance(folder.begin(), folder.end()));
        if (best && depth <= bestDepth) continue;
        std::string path{letter, ':'};
        for (const std::filesystem::path& part : relative) {
            if (part == "." || part.empty()) continue;
            path += '\\';
            path += part.string();
        }
        if (path.size() == 2) path += '\\';
        best = path;
        bestDepth = depth;
    }
    return best;
}

std::filesystem::path HostPath(const std::string& windowsPath) {
    const std::string_view path = windowsPath;
    const std::vector<std::string> parts = NormalParts(HasDrive(path) ? path.substr(2) : path);
    std::filesystem::path result = RootOf(path, parts);
    bool onDisk = true;  // once a part is missing, nothing below it can exist
    for (const std::string& part : parts) {
        if (onDisk) {
            if (auto found = FindEntryIgnoringCase(result, part)) {
                result /= *found;
                continue;
            }
            onDisk = false;
        }
        result /= part;
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

std::string WindowsNamePart(const std::string& windowsPath) { return windowsPath.substr(NamePartStart(windowsPath)); }

}  // namespace platform
