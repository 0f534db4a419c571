#include "map/country_list.h"

#include "navdata/country_file.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace trevalo {

CountryList::CountryList(std::string baseDirectory)
    : path_(platform::JoinWindowsPath(baseDirectory, navdata::kCountryFileName)) {}

void CountryList::LoadCountryList() {
    // Read once: a file that marks no country loaded must not be read again per airport.
    if (attempted_) return;
    attempted_ = true;
    std::vector<navdata::CountryEntry> entries;
    fileRead_ = navdata::ReadCountryFile(path_, entries);
    if (!fileRead_) return;
    loadedNames_ = navdata::LoadedCountryNames(entries);
    lookup_.insert(loadedNames_.begin(), loadedNames_.end());
}

bool CountryList::IsCountryLoaded(const std::string& country) {
    LoadCountryList();
    if (!fileRead_) return true;
    return lookup_.count(platform::Trimmed(country)) != 0;
}

}  // namespace trevalo
