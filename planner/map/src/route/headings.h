// Headings and runway numbers: headings compare modulo 360, runway numbers run 1 to 36.
#pragma once

namespace trevalo::route_detail {

// Angle between two headings in degrees, 0 to 180 (358 and 2 are 4 apart).
double HeadingDifference(double a, double b);

// A runway number brought into 1..36: 0 is 36, 37 is 1.
int NormalizeRunwayNumber(int number);
// The number of the opposite direction, 1..36.
int ReciprocalRunwayNumber(int number);

// The heading of the opposite direction, above 0 and up to 360.
double ReciprocalHeading(double heading);

}  // namespace trevalo::route_detail
