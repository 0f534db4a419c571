// The key that the "Find on Map" dialog gives back for the chosen result, read back by the
// map view: the ident, the kind ('A' airport, 'N' navaid) and the 10-degree grid cell,
// and the position of the record that the key names.
#pragma once

#include <optional>
#include <string>

#include "map/nav_database.h"
#include "mapdialogs/export.h"

namespace trevalo {

inline constexpr char kFindAirportKind = 'A';
inline constexpr char kFindNavaidKind = 'N';

struct FindOnMapTarget {
    std::string ident;
    char kind = 0;
    int column = 0;  // longitude cell, 0..35
    int row = 0;     // latitude cell, 0..17
};

// "%s\t(A%02d,%02d)%s" or "%s\t(N%02d,%02d)%s": ident, column, row, name. nullopt for an
// empty key or one of another shape.
MAPDIALOGS_API std::optional<FindOnMapTarget> ParseFindOnMapKey(const std::string& key);

// The position of the airport (its reference point) or navaid with the ident in the
// target's grid cell; nullopt when the cell holds none.
MAPDIALOGS_API std::optional<MapPoint> LocateFindOnMapTarget(const NavDatabase& database,
                                                             const FindOnMapTarget& target);

}  // namespace trevalo
