// The key that the "Find on Map" dialog gives back for the chosen result, read back by the
// map view: the ident, the kind ('A' airport, 'N' navaid) and the 10-degree grid cell,
// and the position of the record that the key names.
#pragma once

#include <optional>
#include <string>

#include "map/grid_cell_tag.h"
#include "map/nav_database.h"

namespace trevalo {

inline constexpr char kFindAirportKind = kAirportCellKind;
inline constexpr char kFindNavaidKind = kNavaidCellKind;

struct FindOnMapTarget {
    std::string ident;
    char kind = 0;
    int column = 0;  // longitude cell, 0..35
    int row = 0;     // latitude cell, 0..17
};

// The ident, a tab, the cell's tag ("(A05,12)") and the name. nullopt for an empty key,
// one of another shape, or a cell outside the grid.
std::optional<FindOnMapTarget> ParseFindOnMapKey(const std::string& key);

// The position of the airport (its reference point) or navaid with the ident in the
// target's grid cell; nullopt when the cell holds none.
std::optional<MapPoint> LocateFindOnMapTarget(const NavDatabase& database, const FindOnMapTarget& target);

}  // namespace trevalo
