// For the fuzz targets of readers that take files: a private drive C for the run.
//
// Include as "fuzz_drive.h" (CMake target fuzz_support).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace fuzz {

// The run's own folder, mapped as drive C and holding the settings store (and so the
// windows folder) and the temporary folder; every message box is answered at once. It is
// removed when the program ends.
const std::filesystem::path& PrivateDrive();

// Writes the bytes to a file below the private drive, making its folders; returns the
// file's Windows path ("C:\" and relative with backslashes).
std::string WriteDriveFile(const std::string& relative, std::string_view bytes);

}  // namespace fuzz
