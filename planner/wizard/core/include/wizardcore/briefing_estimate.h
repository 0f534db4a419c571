// The briefing page's time estimate from the route: the great-circle distance between
// the route's airports, flown at the plane's cruise speed.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "map/route_point.h"

namespace trevalo {

// From the first point to the next airport, and on from airport to airport; points
// that are not airports are passed over. None for a route of fewer than two points.
std::optional<double> AirportLegsDistance(std::span<const CRoutePoint> points);

// "43 mins", "02:40 hr(s)" or "N/A" (adf::EstimateText).
std::string RouteEstimate(std::span<const CRoutePoint> points, std::string_view cruiseSpeedText);

}  // namespace trevalo
