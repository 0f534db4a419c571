// Finding a directory entry by name without regard to case.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace platform {

// The entry's name as on disk: the exact spelling when it exists, else the first
// case-insensitive match in byte order. nullopt when none matches or the folder
// cannot be read.
std::optional<std::string> FindEntryIgnoringCase(const std::filesystem::path& folder, const std::string& name);

}  // namespace platform
