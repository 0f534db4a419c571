// The runway numbers written on the map: 1 to 36, never 0, and the opposite direction's.
#pragma once

#include "mapview/export.h"

namespace trevalo {

struct RunwayNumbers {
    int endTwo = 36;  // written at runway end 2
    int endOne = 18;  // its reciprocal, written at runway end 1
};

// n = round((heading - magnetic variation) / 10), brought into 1..36.
MAPVIEW_API RunwayNumbers MapRunwayNumbers(double heading, double magneticVariation);

}  // namespace trevalo
