#include "fsinstall/installation.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <set>
#include <vector>

#include "fsinstall/scenery_writer.h"
#include "platform/file_search.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/settings_store.h"
#include "platform/text_file.h"

namespace fsinstall {

namespace {

// Where the planner keeps its settings.
constexpr const char* kPlannerCompany = "Quillet Applications";
constexpr const char* kPlannerProfile = "Quillet";
constexpr std::size_t kStationRecordLength = 16;
constexpr std::size_t kStationIdentLength = 4;
constexpr const char* kFlightsSubfolders[] = {"Adventures", "Lessons", "Myflts"};
constexpr const char* kAdventureFolders[] = {"Adv\\Advanced", "Adv\\Beg",   "Adv\\Expert",
                                             "Adv\\Int",      "Adv\\Other", "Adv\\Wav"};

struct Aircraft {
    const char* folder;
    std::vector<const char*> titles;
};

std::string In(const InstallationOptions& options, const std::string& relative) {
    return platform::JoinWindowsPath(options.folder, relative);
}

// Replaced whole, so a reader of an older installation never meets half a file.
bool WriteBytes(const std::string& windowsPath, const std::vector<std::uint8_t>& bytes) {
    return platform::ReplaceFileBytes(windowsPath, {reinterpret_cast<const char*>(bytes.data()), bytes.size()});
}

void AppendFloat(std::vector<std::uint8_t>& bytes, float value) {
    std::uint8_t raw[sizeof value];
    std::memcpy(raw, &value, sizeof value);
    bytes.insert(bytes.end(), raw, raw + sizeof value);
}

template <class Item>
std::vector<std::vector<Item>> Chunks(const std::vector<Item>& items, std::size_t perChunk) {
    std::vector<std::vector<Item>> chunks;
    for (std::size_t i = 0; i < items.size(); i += perChunk) {
        chunks.emplace_back(items.begin() + i, items.begin() + std::min(items.size(), i + perChunk));
    }
    return chunks;
}

std::string NumberedName(const char* prefix, std::size_t number) {
    char name[32];
    std::snprintf(name, sizeof name, "%s%04zu.bgl", prefix, number);
    return name;
}

// The scenery files of the world; scenery files of an earlier installation that it does
// not write again are removed once the new ones are in place, so that a scan finds the
// world written last and nothing more.
bool WriteScenery(const InstallationOptions& options, const SceneryContent& world) {
    const std::string folder = In(options, kSceneryFolder);
    if (!platform::CreateDirectory(folder)) return false;
    std::set<std::string> written;
    const auto write = [&](const std::string& name, const SceneryContent& content, Compression compression) {
        written.insert(name);
        return WriteBytes(platform::JoinWindowsPath(folder, name), WriteSceneryFile(content, compression));
    };
    std::size_t number = 0;
    for (const auto& airports : Chunks(world.airports, std::max<std::size_t>(1, options.airportsPerFile))) {
        SceneryContent content;
        content.airports = airports;
        if (!write(NumberedName("APT", number++), content, Compression::Plain)) return false;
    }
    const std::size_t perFile = std::max<std::size_t>(1, options.navaidsPerFile);
    const auto ndbs = Chunks(world.ndbs, perFile);
    const auto vors = Chunks(world.vors, perFile);
    for (std::size_t i = 0; i < std::max(ndbs.size(), vors.size()); ++i) {
        SceneryContent content;
        if (i < ndbs.size()) content.ndbs = ndbs[i];
        if (i < vors.size()) content.vors = vors[i];
        if (!write(NumberedName("NAV", i), content, Compression::Compressed)) return false;
    }
    for (const platform::FoundFile& file : platform::FindFiles(platform::JoinWindowsPath(folder, "*.bgl"))) {
        if (!file.isFolder && !written.contains(file.name) &&
            !platform::DeleteFile(platform::JoinWindowsPath(folder, file.name)))
            return false;
    }
    return true;
}

// ICAO POS.BIN and ICAO Name.CFG from the airports with idents of at most 4 letters.
bool WriteWeatherStations(const InstallationOptions& options, const SceneryContent& world) {
    if (!platform::CreateDirectory(In(options, "Weather"))) return false;
    std::vector<std::uint8_t> positions;
    std::vector<std::string> names = {"ICAO stations"};
    for (const Airport& airport : world.airports) {
        if (airport.ident.empty() || airport.ident.size() > kStationIdentLength) continue;
        std::string ident = airport.ident;
        ident.resize(kStationIdentLength, '\0');
        positions.insert(positions.end(), ident.begin(), ident.end());
        AppendFloat(positions, static_cast<float>(airport.latitude));
        // Stored from 0 to 360 eastward.
        AppendFloat(positions,
                    static_cast<float>(airport.longitude < 0.0 ? airport.longitude + 360.0 : airport.longitude));
        const double elevation = airport.runways.empty() ? 0.0 : airport.runways.front().elevationMetres;
        AppendFloat(positions, static_cast<float>(elevation));
        std::string padded = airport.ident;
        padded.resize(kStationIdentLength, ' ');
        names.push_back(padded + " " + airport.name);
    }
    static_assert(kStationRecordLength == kStationIdentLength + 3 * sizeof(float));
    return WriteBytes(In(options, "Weather\\ICAO POS.BIN"), positions) &&
           platform::WriteLines(In(options, "Weather\\ICAO Name.CFG"), names);
}

bool WriteAircraft(const InstallationOptions& options) {
    const Aircraft aircraft[] = {
        {"Cessna", {"Cessna Skyhawk 172SP", "Cessna Skyhawk 172SP Paint1"}},
        {"Lear45", {"Learjet 45"}},
    };
    for (const Aircraft& plane : aircraft) {
        const std::string folder = In(options, std::string("Aircraft\\") + plane.folder);
        if (!platform::CreateDirectory(folder)) return false;
        std::vector<std::string> lines;
        for (std::size_t i = 0; i < plane.titles.size(); ++i) {
            lines.push_back("[fltsim." + std::to_string(i) + "]");
            lines.push_back(std::string("title=") + plane.titles[i]);
            lines.push_back("sim=" + std::string(plane.folder));
            lines.push_back("");
        }
        lines.push_back("[General]");
        lines.push_back("performance=stand-in");
        if (!platform::WriteLines(platform::JoinWindowsPath(folder, "Aircraft.cfg"), lines)) return false;
    }
    return true;
}

bool WriteFolders(const InstallationOptions& options) {
    for (const char* sub : kFlightsSubfolders) {
        if (!platform::CreateDirectory(In(options, std::string("flights\\") + sub))) return false;
    }
    for (const char* folder : kAdventureFolders) {
        if (!platform::CreateDirectory(In(options, folder))) return false;
    }
    return true;
}

bool WritePlannerFlightsFolder(const InstallationOptions& options) {
    if (options.plannerFlightsFolder.empty()) return true;
    return platform::CreateDirectory(In(options, "flights\\" + options.plannerFlightsFolder)) &&
           platform::Profile(kPlannerCompany, kPlannerProfile)
               .WriteString("Files", "FS2K2MoveTo", options.plannerFlightsFolder);
}

}  // namespace

std::string InstallKeyPath(SimulatorVersion version) {
    return version == SimulatorVersion::Fs2000 ? "Software\\Microsoft\\Microsoft Games\\Flight Simulator\\7.0"
                                               : "Software\\Microsoft\\Microsoft Games\\Flight Simulator\\8.0";
}

std::string InstallValueName(SimulatorVersion version) {
    return version == SimulatorVersion::Fs2000 ? "path" : "EXE Path";
}

bool WriteInstallation(const InstallationOptions& options, const SceneryContent& world) {
    if (!platform::CreateDirectory(options.folder) || !WriteScenery(options, world) ||
        !WriteWeatherStations(options, world) || !WriteAircraft(options) || !WriteFolders(options) ||
        !WritePlannerFlightsFolder(options)) {
        return false;
    }
    return !options.writeInstallKey ||
           platform::WriteRegistryString(platform::Hive::LocalMachine, InstallKeyPath(options.version),
                                         InstallValueName(options.version), options.folder);
}

}  // namespace fsinstall
