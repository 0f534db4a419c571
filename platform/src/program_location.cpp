#include "program_location.h"

#include <system_error>

#include "case_insensitive_lookup.h"

namespace platform {

std::filesystem::path ExecutableFolder() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : exe.parent_path();
}

std::optional<std::filesystem::path> FindInFolders(const std::vector<std::filesystem::path>& folders,
                                                   const std::string& name) {
    for (const std::filesystem::path& folder : folders) {
        if (folder.empty()) continue;
        if (auto found = FindEntryIgnoringCase(folder, name)) return folder / *found;
    }
    return std::nullopt;
}

}  // namespace platform
