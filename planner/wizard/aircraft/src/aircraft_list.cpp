#include "aircraft/aircraft_list.h"

#include <iterator>
#include <optional>

#include "platform/file_search.h"
#include "platform/numbers.h"
#include "platform/paths.h"
#include "platform/settings_store.h"
#include "platform/text.h"
#include "platform/text_file.h"

namespace trevalo {
namespace {

struct InstallKey {
    const char* keyPath;
    const char* valueName;
};

// FS2000 first: its planes are the ones the adventures were made for.
constexpr InstallKey kInstallKeys[] = {
    {"Software\\Microsoft\\Microsoft Games\\Flight Simulator\\7.0", "path"},
    {"Software\\Microsoft\\Microsoft Games\\Flight Simulator\\8.0", "EXE Path"},
};

constexpr std::string_view kSectionMarker = "[fltsim.";
constexpr std::string_view kTitleKey = "title=";

// The section number of a "[fltsim.n]" line; nullopt for any other line.
std::optional<int> SectionNumber(const std::string& line) {
    const std::string lower = platform::LowerCased(line);
    const std::size_t marker = lower.find(kSectionMarker);
    if (marker == std::string::npos) return std::nullopt;
    return platform::LeadingInt(std::string_view(lower).substr(marker + kSectionMarker.size()));
}

std::string WithoutTrailingBlanks(std::string text) {
    const std::size_t end = text.find_last_not_of(" \t");
    text.erase(end == std::string::npos ? 0 : end + 1);
    return text;
}

}  // namespace

std::string SimulatorFolder() {
    for (const InstallKey& key : kInstallKeys) {
        const auto value = platform::ReadRegistryString(platform::Hive::LocalMachine, key.keyPath, key.valueName);
        if (!value || value->empty()) continue;
        return value->back() == '\\' ? *value : *value + '\\';
    }
    return {};
}

std::string AircraftTitle(const std::vector<std::string>& cfgLines, int variation) {
    auto line = cfgLines.begin();
    while (line != cfgLines.end() && SectionNumber(*line) != variation) ++line;
    if (line == cfgLines.end()) return {};
    for (++line; line != cfgLines.end() && line->find('[') == std::string::npos; ++line) {
        const std::size_t key = platform::LowerCased(*line).find(kTitleKey);
        if (key != std::string::npos) return WithoutTrailingBlanks(line->substr(key + kTitleKey.size()));
    }
    return {};
}

std::vector<std::string> AircraftTitles(const std::vector<std::string>& cfgLines) {
    std::vector<std::string> titles;
    for (int variation = 0;; ++variation) {
        std::string title = AircraftTitle(cfgLines, variation);
        if (title.empty()) return titles;
        titles.push_back(std::move(title));
    }
}

std::vector<std::string> InstalledPlanes(const std::string& simulatorFolder) {
    const std::vector<platform::FoundFile> found =
        simulatorFolder.empty() ? std::vector<platform::FoundFile>{}
                                : platform::FindFiles(platform::JoinWindowsPath(simulatorFolder, "Aircraft\\*.*"));
    if (found.empty()) return {std::begin(kFixedPlanes), std::end(kFixedPlanes)};
    std::vector<std::string> planes;
    for (const platform::FoundFile& entry : found) {
        if (!entry.isFolder) continue;
        std::vector<std::string> lines;
        const std::string cfg =
            platform::JoinWindowsPath(simulatorFolder, "Aircraft\\" + entry.name + "\\Aircraft.cfg");
        if (!platform::ReadLines(cfg, lines)) continue;
        for (std::string& title : AircraftTitles(lines)) planes.push_back(std::move(title));
    }
    return planes;
}

}  // namespace trevalo
