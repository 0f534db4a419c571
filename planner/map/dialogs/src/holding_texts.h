// How the "Holding Airports" list shows a route point's holding value.
#pragma once

#include <string>

#include "beaconex/navaid_array.h"

namespace trevalo::mapdialogs_detail {

struct HoldingTexts {
    std::string first, second;  // the "Navaid ID" and "Navaid Name" columns
};

// A navaid index of 1 and above shows that navaid; -1, -2 and -3 their texts; anything
// else (0 among them) nothing.
HoldingTexts HoldingChoiceTexts(double holding, const CNavaidArray* navaids);

// The first route point, where the route departs.
HoldingTexts DepartureTexts();

}  // namespace trevalo::mapdialogs_detail
