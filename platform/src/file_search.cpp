#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>

#include "ascii_case.h"
#include "platform/file_search.h"
#include "platform/paths.h"

namespace platform {
namespace {

std::optional<FoundFile> Describe(const std::filesystem::path& hostPath, std::string name) {
    struct stat info {};
    if (::stat(hostPath.c_str(), &info) != 0) return std::nullopt;
    FoundFile found;
    found.name = std::move(name);
    found.isFolder = S_ISDIR(info.st_mode);
    found.size = found.isFolder ? 0 : static_cast<uint64_t>(info.st_size);
    return found;
}

bool IsDotEntry(const std::string& name) { return name == "." || name == ".."; }

}  // namespace

std::vector<FoundFile> FindFiles(const std::string& windowsPattern) {
    const std::string folderPart = WindowsFolderPart(windowsPattern);
    const std::string pattern = WindowsNamePart(windowsPattern);
    const std::filesystem::path folder = folderPart.empty() ? "." : HostPath(folderPart);

    std::vector<FoundFile> found;
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return found;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (IsDotEntry(name) || !MatchesWildcard(pattern, name)) continue;
        if (auto file = Describe(folder / name, name)) found.push_back(std::move(*file));
    }
    ::closedir(dir);
    std::sort(found.begin(), found.end(), [](const FoundFile& a, const FoundFile& b) {
        const int order = CompareIgnoreCase(a.name, b.name);
        return order != 0 ? order < 0 : a.name < b.name;
    });
    return found;
}

std::optional<FoundFile> FindFile(const std::string& windowsPath) {
    const std::filesystem::path host = HostPath(windowsPath);
    std::string name = host.filename().string();
    if (name.empty() || IsDotEntry(name)) return std::nullopt;
    return Describe(host, std::move(name));
}

bool FileExists(const std::string& windowsPath) { return FindFile(windowsPath).has_value(); }

}  // namespace platform
