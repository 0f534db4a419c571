// Headings in degrees: they compare modulo 360, and each has its opposite direction.
#pragma once

namespace trevalo {

// Angle between two headings in degrees, 0 to 180 (358 and 2 are 4 apart).
double HeadingDifference(double a, double b);

// The heading of the opposite direction, above 0 and up to 360.
double ReciprocalHeading(double heading);

}  // namespace trevalo
