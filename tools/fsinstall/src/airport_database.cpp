#include "fsinstall/airport_database.h"

#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

namespace fsinstall {

namespace {

struct DatabaseCloser {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct StatementFinalizer {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Database = std::unique_ptr<sqlite3, DatabaseCloser>;
using Statement = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

constexpr double kFeetPerMetre = 3.280839895013123;

// One row per runway end (a runway without ends gives one row of NULL ends), ordered
// by airport and runway.
constexpr const char* kQuery =
    "SELECT a.id, a.icao, a.name, COALESCE(a.city, ''), a.country, a.latitude, a.longitude, "
    "a.elevation_ft, COALESCE(a.magnetic_variation, 0), r.id, r.length_ft, r.surface, "
    "e.ident, e.heading_degT, e.latitude_deg, e.longitude_deg "
    "FROM airports a JOIN runways r ON r.airport_id = a.id "
    "LEFT JOIN runway_ends e ON e.runway_id = r.id ORDER BY a.id, r.id, e.id";

Surface SurfaceOf(const std::string& name) {
    static const std::map<std::string, Surface> surfaces = {
        {"dirt", Surface::Dirt},   {"concrete", Surface::Cement}, {"asphalt", Surface::Asphalt},
        {"grass", Surface::Grass}, {"gravel", Surface::Gravel},   {"snow", Surface::Snow},
    };
    const auto found = surfaces.find(name);
    return found == surfaces.end() ? Surface::Unknown : found->second;
}

int DesignatorOf(const std::string& endIdent) {
    if (endIdent.empty()) return 0;
    switch (endIdent.back()) {
        case 'L':
            return 1;
        case 'R':
            return 2;
        case 'C':
            return 3;
        default:
            return endIdent.front() == 'H' ? 4 : 0;
    }
}

// 360 as 0, as the scenery reader brings a heading.
double HeadingFrom0To360(double degrees) {
    const double heading = std::fmod(degrees, 360.0);
    return heading < 0.0 ? heading + 360.0 : heading;
}

std::string Text(sqlite3_stmt* row, int column) {
    const unsigned char* text = sqlite3_column_text(row, column);
    return text == nullptr ? std::string() : reinterpret_cast<const char*>(text);
}

struct EndRow {
    std::string ident;
    RunwayEnd end;
};

// A runway from its rows of ends.
Runway MakeRunway(const Airport& airport, double elevationMetres, double variation, int length, Surface surface,
                  const std::vector<EndRow>& ends) {
    Runway runway;
    runway.elevationMetres = elevationMetres;
    runway.length = length;
    runway.surface = surface;
    runway.magneticVariation = variation;
    runway.latitude = airport.latitude;
    runway.longitude = airport.longitude;
    if (!ends.empty()) {
        runway.designator = DesignatorOf(ends.front().ident);
        runway.heading = HeadingFrom0To360(ends.front().end.heading);
    }
    if (ends.size() == 1) {
        runway.latitude = ends.front().end.latitude;
        runway.longitude = ends.front().end.longitude;
    } else if (ends.size() >= 2) {
        runway.start = ends[0].end;
        runway.end = ends[1].end;
        runway.latitude = (ends[0].end.latitude + ends[1].end.latitude) / 2.0;
        runway.longitude = (ends[0].end.longitude + ends[1].end.longitude) / 2.0;
    }
    return runway;
}

// Runways with end records first: their ends are read while no runway without them
// exists to take them.
void OrderRunways(Airport& airport) {
    std::stable_partition(airport.runways.begin(), airport.runways.end(),
                          [](const Runway& r) { return r.start.has_value(); });
}

}  // namespace

std::optional<std::vector<Airport>> ReadAirportDatabase(const std::string& hostPath, int everyAirport) {
    sqlite3* raw = nullptr;
    if (sqlite3_open_v2(hostPath.c_str(), &raw, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(raw);
        return std::nullopt;
    }
    const Database db(raw);
    sqlite3_stmt* rawStatement = nullptr;
    if (sqlite3_prepare_v2(db.get(), kQuery, -1, &rawStatement, nullptr) != SQLITE_OK) {
        return std::nullopt;
    }
    const Statement statement(rawStatement);

    std::vector<Airport> airports;
    long long airportId = -1;
    long long runwayId = -1;
    int airportNumber = -1;
    bool keep = false;
    double elevationMetres = 0.0;
    double variation = 0.0;
    int length = 0;
    Surface surface = Surface::Unknown;
    std::vector<EndRow> ends;
    auto closeRunway = [&] {
        if (runwayId >= 0 && keep) {
            airports.back().runways.push_back(
                MakeRunway(airports.back(), elevationMetres, variation, length, surface, ends));
        }
        ends.clear();
    };
    sqlite3_stmt* row = statement.get();
    while (sqlite3_step(row) == SQLITE_ROW) {
        const long long thisAirport = sqlite3_column_int64(row, 0);
        const long long thisRunway = sqlite3_column_int64(row, 9);
        if (thisRunway != runwayId) {
            closeRunway();
            runwayId = thisRunway;
        }
        if (thisAirport != airportId) {
            if (keep) OrderRunways(airports.back());
            airportId = thisAirport;
            keep = ++airportNumber % std::max(1, everyAirport) == 0;
            if (keep) {
                Airport airport;
                airport.ident = Text(row, 1);
                airport.name = Text(row, 2);
                airport.city = Text(row, 3);
                airport.country = Text(row, 4);
                airport.latitude = sqlite3_column_double(row, 5);
                airport.longitude = sqlite3_column_double(row, 6);
                airports.push_back(std::move(airport));
            }
            elevationMetres = sqlite3_column_double(row, 7) / kFeetPerMetre;
            variation = sqlite3_column_double(row, 8);
        }
        length = sqlite3_column_int(row, 10);
        surface = SurfaceOf(Text(row, 11));
        if (sqlite3_column_type(row, 12) != SQLITE_NULL) {
            ends.push_back(
                {Text(row, 12),
                 {sqlite3_column_double(row, 14), sqlite3_column_double(row, 15), sqlite3_column_double(row, 13)}});
        }
    }
    closeRunway();
    if (keep) OrderRunways(airports.back());
    return airports;
}

}  // namespace fsinstall
