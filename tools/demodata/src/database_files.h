// Writing the demo base directory's files: the bytes of Country.nav (every country
// loaded) and the writing itself.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace demodata {

// Country.nav's bytes: the count, then each name with a TAB and "1".
std::string CountryBytes(const std::vector<std::string>& countries);

// Replaces the host file atomically: a reader sees the old file or the new one.
bool WriteFile(const std::filesystem::path& path, const std::string& bytes);

}  // namespace demodata
