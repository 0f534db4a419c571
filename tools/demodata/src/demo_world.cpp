#include "demo_world.h"

#include <set>
#include <system_error>

#include "aerodrex/airport_line_layout.h"
#include "airport_lines.h"
#include "beaconex/ils_line_layout.h"
#include "beaconex/navaid_line_layout.h"
#include "database_files.h"
#include "map_tiles.h"
#include "navaid_lines.h"
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

bool WriteDemoWorld(const std::filesystem::path& folder, const fsinstall::SceneryContent& world,
                    const std::vector<Ring>& land, DemoCounts& counts) {
    std::vector<std::string> airportLines, ilsLines, navaidLines;
    std::set<std::string> countries;
    for (const fsinstall::Airport& airport : world.airports) {
        countries.insert(CountryField(airport.country));
        for (const fsinstall::Runway& runway : airport.runways) {
            airportLines.push_back(AirportLine(airport, runway));
            for (const fsinstall::Ils& ils : runway.ils) ilsLines.push_back(IlsLine(airport, runway, ils));
        }
    }
    for (const fsinstall::Ndb& ndb : world.ndbs) navaidLines.push_back(NavaidLine(ndb));
    for (const fsinstall::Vor& vor : world.vors) navaidLines.push_back(NavaidLine(vor));
    counts.airports = world.airports.size();
    counts.runwayLines = airportLines.size();
    counts.countries = countries.size();
    counts.navaidLines = navaidLines.size();
    counts.ilsLines = ilsLines.size();
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return WriteFile(folder / "Airport.nav", navdata::DatabaseBytes(airportLines, aerodrex::airport_line::kWidth)) &&
           WriteFile(folder / "Country.nav", CountryBytes({countries.begin(), countries.end()})) &&
           WriteFile(folder / "Navaids.nav", navdata::DatabaseBytes(navaidLines, beaconex::navaid_line::kWidth)) &&
           WriteFile(folder / "Ils.nav", navdata::DatabaseBytes(ilsLines, beaconex::ils_line::kWidth)) &&
           WriteTiles(folder, land, counts);
}

}  // namespace demodata
