#include "mapview/find_result.h"

#include <cctype>
#include <string_view>

namespace trevalo {
namespace {

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    return text;
}

std::optional<int> TwoDigits(const std::string& text, std::size_t at) {
    if (at + 2 > text.size() || !std::isdigit(static_cast<unsigned char>(text[at])) ||
        !std::isdigit(static_cast<unsigned char>(text[at + 1])))
        return std::nullopt;
    return (text[at] - '0') * 10 + (text[at + 1] - '0');
}

template <class Record>
std::optional<MapPoint> FindInCell(const Grid<Record>& grid, const FindResultKey& key) {
    if (key.column < 0 || key.column >= kGridColumns || key.row < 0 || key.row >= kGridRows) return std::nullopt;
    const std::string_view wanted = Trimmed(key.ident);
    for (const Record& record : grid[key.column * kGridRows + key.row]) {
        if (Trimmed(record.id) == wanted) return MapPoint{record.x, record.y};
    }
    return std::nullopt;
}

}  // namespace

std::optional<FindResultKey> ParseFindResultKey(const std::string& key) {
    // "<ident>\t(K<cc>,<rr>)<name>"
    const std::size_t tab = key.find('\t');
    if (tab == std::string::npos || tab + 2 >= key.size() || key[tab + 1] != '(') return std::nullopt;
    const char kind = key[tab + 2];
    if (kind != 'A' && kind != 'N') return std::nullopt;
    const std::optional<int> column = TwoDigits(key, tab + 3);
    if (!column || tab + 5 >= key.size() || key[tab + 5] != ',') return std::nullopt;
    const std::optional<int> row = TwoDigits(key, tab + 6);
    if (!row) return std::nullopt;
    return FindResultKey{key.substr(0, tab), kind, *column, *row};
}

std::optional<MapPoint> LocateFindResult(const NavDatabase& database, const FindResultKey& key) {
    return key.kind == 'A' ? FindInCell(database.airportGrid, key) : FindInCell(database.navaidGrid, key);
}

}  // namespace trevalo
