// Headings in degrees: they compare modulo 360, and each has its opposite direction.
#pragma once

#include "map/export.h"

namespace trevalo {

// Angle between two headings in degrees, 0 to 180 (358 and 2 are 4 apart).
NAVMATH_API double HeadingDifference(double a, double b);

// The heading of the opposite direction, above 0 and up to 360.
NAVMATH_API double ReciprocalHeading(double heading);

}  // namespace trevalo
