// Writing the demo base directory's databases: Airport.nav, Navaids.nav and Ils.nav (a
// count line padded to the record width, then the records, CR LF after each line) and
// Country.nav (every country loaded).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace demodata {

// The bytes of a database file of records of the given width.
std::string DatabaseBytes(const std::vector<std::string>& records, size_t width);
// Country.nav's bytes: the count, then each name with a TAB and "1".
std::string CountryBytes(const std::vector<std::string>& countries);

// Replaces the host file atomically: a reader sees the old file or the new one.
bool WriteFile(const std::filesystem::path& path, const std::string& bytes);

}  // namespace demodata
