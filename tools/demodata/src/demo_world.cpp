#include "demo_world.h"

#include <set>
#include <system_error>

#include "aerodrex/airport_line_layout.h"
#include "airport_lines.h"
#include "beaconex/ils_line_layout.h"
#include "beaconex/navaid_line_layout.h"
#include "database_files.h"
#include "map_tiles.h"
#include "navdata/record_lines.h"

namespace demodata {

namespace {

constexpr char kMapFolder[] = "Map";
constexpr char kTileExtension[] = ".tmp";

bool WriteTiles(const std::filesystem::path& folder, const std::vector<Ring>& land, DemoCounts& counts) {
    const std::filesystem::path map = folder / kMapFolder;
    std::error_code error;
    std::filesystem::create_directories(map, error);
    for (const auto& entry : std::filesystem::directory_iterator(map, error)) {
        if (entry.path().extension() == kTileExtension) std::filesystem::remove(entry.path(), error);
    }
    for (const Ring& ring : land) {
        if (ring.empty()) continue;
        if (!WriteFile(map / TileName(static_cast<int>(++counts.tiles)), TileBytes(ring))) return false;
    }
    return true;
}

}  // namespace

bool WriteDemoWorld(const std::filesystem::path& folder, const std::vector<fsinstall::Airport>& airports,
                    const std::vector<Ring>& land, DemoCounts& counts) {
    std::vector<std::string> lines;
    std::set<std::string> countries;
    for (const fsinstall::Airport& airport : airports) {
        countries.insert(CountryField(airport.country));
        for (const fsinstall::Runway& runway : airport.runways) lines.push_back(AirportLine(airport, runway));
    }
    counts.airports = airports.size();
    counts.runwayLines = lines.size();
    counts.countries = countries.size();
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return WriteFile(folder / "Airport.nav", navdata::DatabaseBytes(lines, aerodrex::airport_line::kWidth)) &&
           WriteFile(folder / "Country.nav", CountryBytes({countries.begin(), countries.end()})) &&
           WriteFile(folder / "Navaids.nav", navdata::DatabaseBytes({}, beaconex::navaid_line::kWidth)) &&
           WriteFile(folder / "Ils.nav", navdata::DatabaseBytes({}, beaconex::ils_line::kWidth)) &&
           WriteTiles(folder, land, counts);
}

}  // namespace demodata
