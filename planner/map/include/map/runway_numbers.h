// Runway numbers as the planner shows and stores them (route, map, landing page, charts,
// SID/STAR files): 1 to 36, never 0 (a heading of 360 or 002 is runway 36), and the
// number of the opposite direction.
#pragma once

namespace trevalo {

// A runway number brought into 1..36: 0 is 36, 37 is 1.
int NormalizeRunwayNumber(int number);
// The number of the opposite direction, 1..36.
int ReciprocalRunwayNumber(int number);

struct RunwayNumbers {
    int endTwo = 36;  // the runway heading's direction, at runway end 2
    int endOne = 18;  // its reciprocal, at runway end 1
};

// n = round((heading - magnetic variation) / 10) in 1..36, and its reciprocal.
RunwayNumbers RunwayNumbersFor(double heading, double magneticVariation);

}  // namespace trevalo
