#include "case_insensitive_lookup.h"

#include <dirent.h>
#include <sys/stat.h>

#include "ascii_case.h"

namespace platform {

std::optional<std::string> FindEntryIgnoringCase(const std::filesystem::path& folder, const std::string& name) {
    struct stat info {};
    if (::lstat((folder / name).c_str(), &info) == 0) return name;

    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr) return std::nullopt;
    std::optional<std::string> best;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string candidate = entry->d_name;
        if (EqualsIgnoreCase(candidate, name) && (!best || candidate < *best)) best = candidate;
    }
    ::closedir(dir);
    return best;
}

}  // namespace platform
