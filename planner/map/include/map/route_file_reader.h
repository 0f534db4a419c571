// Reader of the route file map_internal.adf: its route sections, each record line
// matched against the loaded airports and navaids.
#pragma once

#include <string>
#include <vector>

#include "map/nav_database.h"
#include "map/route_point.h"

namespace trevalo {

enum class RouteFileStatus {
    Read,           // every section read (unmatched airports add no point)
    NavaidMissing,  // a navaid of the file is not in the database: the route is to be emptied
    TooManyPoints,  // the file holds more than 500 points: the first 500 are kept
};

struct RouteFileContents {
    RouteFileStatus status = RouteFileStatus::Read;
    std::vector<CRoutePoint> points;
};

// The lines of the file without their line ends.
RouteFileContents ParseRouteFile(const std::vector<std::string>& lines, const NavDatabase& database);

}  // namespace trevalo
