// Country.nav, the list of countries whose airports the planner loads: line 1 a bare
// count (never interpreted when read), then one line per country, its name, a TAB and
// "1" (loaded) or "0" (not loaded). A line without a TAB names a loaded country. The
// builder writes it after a scan, the planner's country dialog rewrites it, the airport
// loader reads it; all of them go through this module.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace navdata {

inline constexpr const char* kCountryFileName = "Country.nav";

struct CountryEntry {
    std::string name;
    bool loaded = true;

    bool operator==(const CountryEntry&) const = default;
};

// The entries of a Country.nav's bytes (LF or CR LF); the count line and empty lines
// are skipped, names are trimmed of white space.
std::vector<CountryEntry> ParseCountryFile(std::string_view bytes);

// The file's bytes: the count, then each entry, CR LF after every line.
std::string CountryFileBytes(const std::vector<CountryEntry>& entries);

// Reads an existing Country.nav; false, and no entries, when it cannot be read.
bool ReadCountryFile(const std::string& windowsPath, std::vector<CountryEntry>& entries);

// Replaces Country.nav whole (a temporary beside it renamed over it); on failure the old
// file stays and errno tells why.
bool WriteCountryFile(const std::string& windowsPath, const std::vector<CountryEntry>& entries);

// The names marked loaded, in file order.
std::vector<std::string> LoadedCountryNames(const std::vector<CountryEntry>& entries);

}  // namespace navdata
