#include "map/country_list.h"

#include "platform/paths.h"
#include "platform/text.h"
#include "platform/text_file.h"

namespace trevalo {

namespace {
constexpr char kCountryFile[] = "Country.nav";
constexpr char kLoadedMark = '1';
}  // namespace

CountryList::CountryList(std::string baseDirectory)
    : path_(platform::JoinWindowsPath(baseDirectory, kCountryFile)) {}

std::vector<std::string> LoadedCountryNames(const std::vector<std::string>& lines) {
    std::vector<std::string> names;
    for (size_t i = 1; i < lines.size(); ++i) {
        const std::string line = platform::Trimmed(lines[i]);
        const size_t tab = line.find('\t');
        if (tab == std::string::npos) {
            names.push_back(line);
            continue;
        }
        if (tab + 1 < line.size() && line[tab + 1] == kLoadedMark) {
            names.push_back(platform::Trimmed(line.substr(0, tab)));
        }
    }
    return names;
}

void CountryList::LoadCountryList() {
    // Read once: a file that marks no country loaded must not be read again per airport.
    if (attempted_) return;
    attempted_ = true;
    std::vector<std::string> lines;
    fileRead_ = platform::ReadLines(path_, lines);
    if (!fileRead_) return;
    loadedNames_ = LoadedCountryNames(lines);
    lookup_.insert(loadedNames_.begin(), loadedNames_.end());
}

bool CountryList::IsCountryLoaded(const std::string& country) {
    LoadCountryList();
    if (!fileRead_) return true;
    return lookup_.count(platform::Trimmed(country)) != 0;
}

}  // namespace trevalo
