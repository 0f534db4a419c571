// What the map's idents give way to: the route's idents are placed before all others, and
// no ident covers the simulator's plane.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "map/route_point.h"
#include "mapview/simulator_plane_symbol.h"

namespace trevalo {

struct LabelPriorities {
    std::vector<std::string> routeIdents;  // sorted, each once
    std::optional<PlanePosition> plane;

    bool InRoute(const char* ident) const;
    bool operator==(const LabelPriorities&) const = default;
};

LabelPriorities LabelPrioritiesFor(std::span<const CRoutePoint> route, const std::optional<PlanePosition>& plane);

}  // namespace trevalo
