#include "mapdialogs/find_on_map_key.h"

#include <cctype>

#include "platform/text.h"

namespace trevalo {
namespace {


// After the tab: "(", kind, two digits, ",", two digits, ")".
constexpr size_t kOpenAt = 1;
constexpr size_t kKindAt = 2;
constexpr size_t kColumnAt = 3;
constexpr size_t kCommaAt = 5;
constexpr size_t kRowAt = 6;
constexpr size_t kCloseAt = 8;

bool ReadTwoDigits(const std::string& text, size_t at, int& value) {
    if (at + 2 > text.size() || !std::isdigit(static_cast<unsigned char>(text[at])) ||
        !std::isdigit(static_cast<unsigned char>(text[at + 1])))
        return false;
    value = (text[at] - '0') * 10 + (text[at + 1] - '0');
    return true;
}

template <class Record>
std::optional<MapPoint> FindInCell(const Grid<Record>& grid, int cell, const std::string& ident) {
    for (const Record& record : grid[static_cast<size_t>(cell)])
        if (platform::Trimmed(record.id) == ident) return MapPoint{record.x, record.y};
    return std::nullopt;
}

}  // namespace

std::optional<FindOnMapTarget> ParseFindOnMapKey(const std::string& key) {
    const size_t tab = key.find('\t');
    if (tab == std::string::npos || tab + kCloseAt >= key.size()) return std::nullopt;
    FindOnMapTarget target;
    target.ident = key.substr(0, tab);
    target.kind = key[tab + kKindAt];
    if (key[tab + kOpenAt] != '(' || key[tab + kCommaAt] != ',' || key[tab + kCloseAt] != ')' ||
        (target.kind != kFindAirportKind && target.kind != kFindNavaidKind) ||
        !ReadTwoDigits(key, tab + kColumnAt, target.column) || !ReadTwoDigits(key, tab + kRowAt, target.row) ||
        target.column >= kGridColumns || target.row >= kGridRows)
        return std::nullopt;
    return target;
}

std::optional<MapPoint> LocateFindOnMapTarget(const NavDatabase& database, const FindOnMapTarget& target) {
    const int cell = target.column * kGridRows + target.row;
    if (cell < 0 || cell >= kGridCells) return std::nullopt;
    const std::string ident = platform::Trimmed(target.ident);
    return target.kind == kFindAirportKind ? FindInCell(database.airportGrid, cell, ident)
                                           : FindInCell(database.navaidGrid, cell, ident);
}

}  // namespace trevalo
