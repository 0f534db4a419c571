// The result key of the find dialog ("%s\t(A%02d,%02d)%s" for an airport, "(N" for a
// navaid) read back, and the place it names looked up in its 10-degree grid cell.
#pragma once

#include <optional>
#include <string>

#include "map/nav_database.h"
#include "mapview/export.h"

namespace trevalo {

struct FindResultKey {
    std::string ident;
    char kind = 0;  // 'A' airport, 'N' navaid
    int column = 0;
    int row = 0;
};

// nullopt for an empty key or one without the tab, the kind letter and both cells.
MAPVIEW_API std::optional<FindResultKey> ParseFindResultKey(const std::string& key);

// The position (arc-seconds) of the airport or navaid with the ident in the key's cell.
MAPVIEW_API std::optional<MapPoint> LocateFindResult(const NavDatabase& database, const FindResultKey& key);

}  // namespace trevalo
