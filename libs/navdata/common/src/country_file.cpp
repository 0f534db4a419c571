#include "navdata/country_file.h"

#include "platform/files.h"
#include "platform/text.h"

namespace navdata {

namespace {

constexpr char kSeparator = '\t';
constexpr char kLoadedMark = '1';
constexpr const char* kLineEnd = "\r\n";

// The TAB is looked for before trimming: a country without a name ("\t1", the scenery's
// airports without a country) keeps its mark.
CountryEntry ParseEntry(std::string_view line) {
    const std::size_t tab = line.find(kSeparator);
    if (tab == std::string_view::npos) return {platform::Trimmed(line), true};
    return {platform::Trimmed(line.substr(0, tab)), tab + 1 < line.size() && line[tab + 1] == kLoadedMark};
}

}  // namespace

std::vector<CountryEntry> ParseCountryFile(std::string_view bytes) {
    std::vector<CountryEntry> entries;
    bool countLine = true;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (countLine) {
            countLine = false;
            continue;
        }
        if (platform::Trimmed(line).empty()) continue;
        entries.push_back(ParseEntry(line));
    }
    return entries;
}

std::string CountryFileBytes(const std::vector<CountryEntry>& entries) {
    std::string bytes = std::to_string(entries.size()) + kLineEnd;
    for (const CountryEntry& entry : entries) {
        bytes.append(entry.name).append(1, kSeparator).append(entry.loaded ? "1" : "0").append(kLineEnd);
    }
    return bytes;
}

bool ReadCountryFile(const std::string& windowsPath, std::vector<CountryEntry>& entries) {
    entries.clear();
    std::string bytes;
    if (!platform::ReadFileBytes(windowsPath, bytes)) return false;
    entries = ParseCountryFile(bytes);
    return true;
}

bool WriteCountryFile(const std::string& windowsPath, const std::vector<CountryEntry>& entries) {
    return platform::ReplaceFileBytes(windowsPath, CountryFileBytes(entries));
}

std::vector<std::string> LoadedCountryNames(const std::vector<CountryEntry>& entries) {
    std::vector<std::string> names;
    for (const CountryEntry& entry : entries) {
        if (entry.loaded) names.push_back(entry.name);
    }
    return names;
}

}  // namespace navdata
