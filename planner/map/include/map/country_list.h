// Country.nav, the list of countries whose airports the planner loads: line 1 a count
// (never interpreted), then one line per country, its name, a TAB and "1" (loaded) or
// "0" (not loaded). A line without a TAB names a loaded country. Names are compared
// after trimming white space, otherwise exactly.
#pragma once

#include <string>
#include <unordered_set>
#include <vector>

namespace trevalo {

class CountryList {
public:
    // baseDirectory: Windows path ending in a backslash; the file is read at first use.
    explicit CountryList(std::string baseDirectory);

    // True when the trimmed name is marked loaded, and for every name when Country.nav
    // cannot be read.
    bool IsCountryLoaded(const std::string& country);
    // Reads the loaded names, once.
    void LoadCountryList();

    bool fileRead() const { return fileRead_; }
    const std::vector<std::string>& loadedNames() const { return loadedNames_; }

private:
    std::string path_;
    bool attempted_ = false;
    bool fileRead_ = false;
    std::vector<std::string> loadedNames_;
    std::unordered_set<std::string> lookup_;
};

// The loaded names among the lines of a Country.nav (line 1 included, and skipped).
std::vector<std::string> LoadedCountryNames(const std::vector<std::string>& lines);

}  // namespace trevalo
