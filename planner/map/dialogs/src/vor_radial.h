// The radial and the distance that the "Select VOR details" dialog offers.
#pragma once

#include <optional>
#include <string>

#include "map/route_point.h"

namespace trevalo::mapdialogs_detail {

struct RadialAndDistance {
    int radial = 0;  // 0..359
    int distanceNm = 0;
};

// From the previous point to this one (map arc-seconds, east and north positive): the
// whole initial course less the correction, brought into 0..359, and the whole distance.
// nullopt when the previous point is unset (-1, -1).
std::optional<RadialAndDistance> RadialFromPrevious(double previousX, double previousY, double x, double y,
                                                    int correction);

// "Distance to next waypoint %dnm".
std::string DistanceText(int distanceNm);

// A route point as the dialog lists it: its kind, a tab and the first six characters of
// its ident.
std::string RoutePointItemText(const CRoutePoint& point);

}  // namespace trevalo::mapdialogs_detail
