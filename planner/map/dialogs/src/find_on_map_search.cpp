#include "find_on_map_search.h"

#include <cmath>
#include <unordered_set>

#include "map/angle_text.h"
#include "map/nav_database.h"
#include "mapdialogs/find_on_map_key.h"
#include "platform/text.h"

namespace trevalo::mapdialogs_detail {
namespace {

// The map's 10-degree cells: the latitude's tens from row 8 up (north positive), the
// longitude's tens from column 17 down (west positive), tens cut toward zero.
constexpr int kEquatorRow = 8;
constexpr int kGreenwichColumn = 17;
constexpr int kDegreesPerCell = 10;
constexpr double kArcSecondsPerDegree = 3600.0;

int Tens(double degrees) { return static_cast<int>(std::trunc(degrees)) / kDegreesPerCell; }

struct Cells {
    int longitude = 0, latitude = 0;
};

// The cell the grids file the place in, so that the key leads back to it (also at 180 W
// and 90 S, which the grids clamp into their edge cells). A place outside the world is in
// no grid: its cells are the plain tens.
Cells CellsOf(double latitudeDegrees, double westLongitudeDegrees) {
    const int cell = GridCell(-westLongitudeDegrees * kArcSecondsPerDegree, latitudeDegrees * kArcSecondsPerDegree);
    if (cell >= 0) return {cell / kGridRows, cell % kGridRows};
    return {kGreenwichColumn - Tens(westLongitudeDegrees), kEquatorRow + Tens(latitudeDegrees)};
}

struct Candidate {
    std::string ident, name, latitude, longitude;
};

class Search {
public:
    explicit Search(const FindOptions& options)
        : options_(options), text_(options.matchCase ? options.text : platform::UpperCased(options.text)) {}

    void Consider(const Candidate& candidate, bool airport) {
        const std::string ident = platform::Trimmed(candidate.ident);
        const std::string name = platform::Trimmed(candidate.name);
        const std::string comparedIdent = options_.matchCase ? ident : platform::UpperCased(ident);
        const std::string comparedName = options_.matchCase ? name : platform::UpperCased(name);
        if ((options_.idents && comparedIdent.find(text_) != std::string::npos) ||
            (options_.names && comparedName.find(text_) != std::string::npos))
            Add(ident, name, airport, platform::Trimmed(candidate.latitude), platform::Trimmed(candidate.longitude));
    }

    std::vector<FindResult> Results() && { return std::move(results_); }

private:
    void Add(const std::string& ident, const std::string& name, bool airport, const std::string& latitude,
             const std::string& longitude) {
        FindResult result;
        result.ident = ident;
        result.name = name;
        result.airport = airport;
        const Cells cells = CellsOf(ParseLatLonText(latitude), ParseLatLonText(longitude));
        result.latitudeCell = cells.latitude;
        result.longitudeCell = cells.longitude;
        const GridCellTag cell{airport ? kFindAirportKind : kFindNavaidKind, result.longitudeCell, result.latitudeCell};
        result.key = ident + "\t" + FormatGridCellTag(cell) + name;
        if (!keys_.insert(result.key).second) return;
        results_.push_back(std::move(result));
    }

    const FindOptions& options_;
    const std::string text_;
    std::unordered_set<std::string> keys_;
    std::vector<FindResult> results_;
};

}  // namespace

std::vector<FindResult> FindOnMap(const CNavaidArray* navaids, const CAirportArray* airports,
                                  const FindOptions& options) {
    if (options.text.empty()) return {};
    Search search(options);
    if (options.navaids && navaids != nullptr) {
        for (int i = 0; i < navaids->GetSize(); ++i)
            search.Consider({navaids->GetNID(i), navaids->GetNName(i), navaids->GetNLat(i), navaids->GetNLon(i)},
                            false);
    }
    if (options.airports && airports != nullptr) {
        for (int i = 0; i < airports->GetSize(); ++i)
            search.Consider({airports->GetAID(i), airports->GetAName(i), airports->GetALat(i), airports->GetALon(i)},
                            true);
    }
    return std::move(search).Results();
}

}  // namespace trevalo::mapdialogs_detail
