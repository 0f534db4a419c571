// Headings: they compare modulo 360, and each has its opposite direction. Runway numbers
// are in map/runway_numbers.h.
#pragma once

namespace trevalo::route_detail {

// Angle between two headings in degrees, 0 to 180 (358 and 2 are 4 apart).
double HeadingDifference(double a, double b);

// The heading of the opposite direction, above 0 and up to 360.
double ReciprocalHeading(double heading);

}  // namespace trevalo::route_detail
