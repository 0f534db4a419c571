// The countries whose airports the planner loads, from Country.nav (its format:
// navdata/country_file.h). Names are compared after trimming white space, otherwise
// exactly.
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
    // Reads the loaded names, once; after it, several threads may ask at once.
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

}  // namespace trevalo
