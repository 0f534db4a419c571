// Whole-file reads and atomic replacement of host files.
#pragma once

#include <cstddef>
#include <filesystem>
#include <vector>

namespace wx::detail {

// False when the file cannot be opened or read.
bool ReadHostFile(const std::filesystem::path& path, std::vector<std::byte>& bytes);
// True when the file exists and carries no write permission (the read-only attribute).
bool IsReadOnly(const std::filesystem::path& path);
// Writes bytes to a temporary file beside path and renames it over path; the old file
// stays whole when anything fails. A read-only file is not replaced.
bool ReplaceHostFile(const std::filesystem::path& path, const std::vector<std::byte>& bytes);

}  // namespace wx::detail
