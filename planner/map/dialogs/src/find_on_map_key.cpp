#include "mapdialogs/find_on_map_key.h"

#include "platform/text.h"

namespace trevalo {
namespace {

template <class Record>
std::optional<MapPoint> FindInCell(const Grid<Record>& grid, int cell, const std::string& ident) {
    for (const Record& record : grid[static_cast<size_t>(cell)])
        if (platform::Trimmed(record.id) == ident) return MapPoint{record.x, record.y};
    return std::nullopt;
}

}  // namespace

std::optional<FindOnMapTarget> ParseFindOnMapKey(const std::string& key) {
    const size_t tab = key.find('\t');
    if (tab == std::string::npos) return std::nullopt;
    const std::optional<GridCellTag> cell = ParseGridCellTag(std::string_view(key).substr(tab + 1));
    if (!cell || cell->column >= kGridColumns || cell->row >= kGridRows) return std::nullopt;
    return FindOnMapTarget{key.substr(0, tab), cell->kind, cell->column, cell->row};
}

std::optional<MapPoint> LocateFindOnMapTarget(const NavDatabase& database, const FindOnMapTarget& target) {
    const int cell = target.column * kGridRows + target.row;
    if (cell < 0 || cell >= kGridCells) return std::nullopt;
    const std::string ident = platform::Trimmed(target.ident);
    return target.kind == kFindAirportKind ? FindInCell(database.airportGrid, cell, ident)
                                           : FindInCell(database.navaidGrid, cell, ident);
}

}  // namespace trevalo
