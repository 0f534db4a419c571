// What the route file map_internal.adf holds for a route: the holding lines, the
// corrected start position and one section per route point.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "adf/route_file.h"
#include "map/nav_database.h"
#include "map/route_point.h"
#include "map/route_ports.h"

namespace trevalo::route_detail {

struct RouteFileInputs {
    const std::vector<CRoutePoint>& points;
    const NavDatabase& database;
    bool holdingEnabled = false;
    std::vector<RouteListEntry> routeList;  // the flight-plan page's route list
    // The landing page's leg lines of each route airport's procedure.
    std::vector<std::vector<std::string>> procedureLegs;
};

// nullopt when the writing stopped (a holding not placed, or Cancel at an ILS
// question), after its message.
std::optional<adf::RouteFile> ComposeRouteFile(const RouteFileInputs& inputs);

}  // namespace trevalo::route_detail
