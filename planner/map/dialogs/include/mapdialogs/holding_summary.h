// A short text of the holding choices placed on a route, one line per landing airport
// with a choice, as the "Holding Airports" list shows them.
#pragma once

#include <string>
#include <vector>

#include "beaconex/navaid_array.h"
#include "map/route_point.h"

namespace trevalo {

// "KBFI 10nm Holding point", one line each; the first airport (the departure), airports still to be placed
// (-2) and values the list shows empty are left out, so the text is empty while nothing
// is placed.
std::string HoldingSummary(const std::vector<CRoutePoint>& points, const CNavaidArray* navaids);

}  // namespace trevalo
