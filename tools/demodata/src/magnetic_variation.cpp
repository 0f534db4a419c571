#include "magnetic_variation.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <memory>

namespace demodata {

namespace {

constexpr double kDegreesPerNumber = 10.0;
constexpr double kHalfWindow = 5.0;
constexpr double kFullTurn = 360.0;
constexpr int kRunwayNumbers = 36;
// Airports without numbered runways take the nearest variation within this many cells
// of a degree.
constexpr int kSearchCells = 5;

// Degrees brought into -180 .. 180 round a reference.
double Near(double degrees, double reference) {
    return degrees - kFullTurn * std::round((degrees - reference) / kFullTurn);
}

// The variation that makes the runway's number exactly: its true heading less ten times
// the number, brought near 0.
double WindowCentre(const RunwayDesignation& runway) {
    return Near(runway.trueHeading - kDegreesPerNumber * runway.number, 0.0);
}

bool InWindow(double variation, const RunwayDesignation& runway) {
    return std::abs(Near(variation, WindowCentre(runway)) - WindowCentre(runway)) < kHalfWindow;
}

// "08R" is 8, "36" 36; "H1", "N" or "NE" have no number.
std::optional<int> NumberOf(const std::string& ident) {
    size_t digits = 0;
    while (digits < ident.size() && std::isdigit(static_cast<unsigned char>(ident[digits]))) ++digits;
    if (digits == 0 || digits > 2) return std::nullopt;
    const int number = std::stoi(ident.substr(0, digits));
    if (number < 1 || number > kRunwayNumbers) return std::nullopt;
    return number;
}

struct DatabaseCloser {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct StatementFinalizer {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};

constexpr const char* kQuery =
    "SELECT a.icao, r.id, e.ident, e.heading_degT FROM airports a "
    "JOIN runways r ON r.airport_id = a.id JOIN runway_ends e ON e.runway_id = r.id "
    "ORDER BY a.id, r.id, e.id";

std::string Text(sqlite3_stmt* row, int column) {
    const unsigned char* text = sqlite3_column_text(row, column);
    return text == nullptr ? std::string() : reinterpret_cast<const char*>(text);
}

struct Cell {
    int latitude, longitude;
    bool operator<(const Cell& other) const {
        return latitude != other.latitude ? latitude < other.latitude : longitude < other.longitude;
    }
};

Cell CellOf(const fsinstall::Airport& airport) {
    return {static_cast<int>(std::floor(airport.latitude)), static_cast<int>(std::floor(airport.longitude))};
}

// The derived variation nearest the airport among the cells round it.
std::optional<double> NearestVariation(
    const fsinstall::Airport& airport,
    const std::map<Cell, std::vector<std::pair<const fsinstall::Airport*, double>>>& known) {
    const Cell centre = CellOf(airport);
    std::optional<double> best;
    double bestDistance = 0.0;
    for (int dy = -kSearchCells; dy <= kSearchCells; ++dy) {
        for (int dx = -kSearchCells; dx <= kSearchCells; ++dx) {
            const auto found = known.find({centre.latitude + dy, centre.longitude + dx});
            if (found == known.end()) continue;
            for (const auto& [other, variation] : found->second) {
                const double distance =
                    std::hypot(other->latitude - airport.latitude,
                               (other->longitude - airport.longitude) * std::cos(airport.latitude * M_PI / 180.0));
                if (!best || distance < bestDistance) {
                    best = variation;
                    bestDistance = distance;
                }
            }
        }
    }
    return best;
}

}  // namespace

std::optional<double> VariationForNumbers(const std::vector<RunwayDesignation>& runways) {
    if (runways.empty()) return std::nullopt;
    // The windows, each kept near the first, and what they share.
    const double reference = WindowCentre(runways.front());
    double west = -kFullTurn, east = kFullTurn;
    for (const RunwayDesignation& runway : runways) {
        const double centre = Near(WindowCentre(runway), reference);
        west = std::max(west, centre - kHalfWindow);
        east = std::min(east, centre + kHalfWindow);
    }
    if (west < east) return Near((west + east) / 2, 0.0);
    // Numbers of different times (a runway renumbered, another not): the window centre
    // that suits the most of them.
    double chosen = reference;
    size_t most = 0;
    for (const RunwayDesignation& candidate : runways) {
        const double variation = WindowCentre(candidate);
        const auto suited = static_cast<size_t>(std::count_if(
            runways.begin(), runways.end(), [&](const RunwayDesignation& r) { return InWindow(variation, r); }));
        if (suited > most) {
            most = suited;
            chosen = variation;
        }
    }
    return chosen;
}

std::optional<RunwayDesignations> ReadRunwayDesignations(const std::string& hostPath) {
    sqlite3* raw = nullptr;
    if (sqlite3_open_v2(hostPath.c_str(), &raw, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(raw);
        return std::nullopt;
    }
    const std::unique_ptr<sqlite3, DatabaseCloser> db(raw);
    sqlite3_stmt* rawStatement = nullptr;
    if (sqlite3_prepare_v2(db.get(), kQuery, -1, &rawStatement, nullptr) != SQLITE_OK) return std::nullopt;
    const std::unique_ptr<sqlite3_stmt, StatementFinalizer> statement(rawStatement);
    RunwayDesignations designations;
    long long lastRunway = -1;
    while (sqlite3_step(statement.get()) == SQLITE_ROW) {
        const long long runway = sqlite3_column_int64(statement.get(), 1);
        if (runway == lastRunway) continue;  // the first end only, as the airport line has it
        lastRunway = runway;
        if (const std::optional<int> number = NumberOf(Text(statement.get(), 2))) {
            designations[Text(statement.get(), 0)].push_back({*number, sqlite3_column_double(statement.get(), 3)});
        }
    }
    return designations;
}

void SetMagneticVariations(std::vector<fsinstall::Airport>& airports, const RunwayDesignations& designations) {
    std::map<Cell, std::vector<std::pair<const fsinstall::Airport*, double>>> known;
    std::vector<std::optional<double>> derived(airports.size());
    for (size_t i = 0; i < airports.size(); ++i) {
        const auto found = designations.find(airports[i].ident);
        if (found != designations.end()) derived[i] = VariationForNumbers(found->second);
        if (derived[i]) known[CellOf(airports[i])].emplace_back(&airports[i], *derived[i]);
    }
    for (size_t i = 0; i < airports.size(); ++i) {
        const double variation = derived[i].value_or(NearestVariation(airports[i], known).value_or(0.0));
        for (fsinstall::Runway& runway : airports[i].runways) runway.magneticVariation = variation;
    }
}

}  // namespace demodata
