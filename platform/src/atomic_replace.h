// Replacing a file's content so that a reader sees the old file or the new one, never
// half of it: write a temporary file beside it, fsync, rename over the target.
// A read-only target is not replaced.
#pragma once

#include <filesystem>
#include <string_view>

namespace platform {

bool ReplaceFileAtomically(const std::filesystem::path& target, std::string_view bytes);

// The whole content of a host file; false when it cannot be read.
bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes);

}  // namespace platform
