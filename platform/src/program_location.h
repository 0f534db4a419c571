// Where the running program and its companions (programs, loadable libraries) live.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// The folder of the running executable (/proc/self/exe).
std::filesystem::path ExecutableFolder();

// The first folder holding an entry named `name` (without regard to case); the path of
// that entry as on disk.
std::optional<std::filesystem::path> FindInFolders(const std::vector<std::filesystem::path>& folders,
                                                   const std::string& name);

}  // namespace platform
