// Angle unit conversions and small numeric helpers of the planner's navigation arithmetic.
#pragma once

#include "map/export.h"

namespace trevalo {

NAVMATH_API double ArcSecondsToRadians(double arcSeconds);
NAVMATH_API double DegreesToRadians(double degrees);
NAVMATH_API double RadiansToDegrees(double radians);

// Packs the fraction of a degree as seconds / 10000: 47.5 gives 47.18.
NAVMATH_API double DegreesMinutesToDecimal(double degrees);

// Remainder of a / b brought into 0 up to b (used with b = 2 pi for angles).
NAVMATH_API double PositiveModulo(double a, double b);

NAVMATH_API void SwapDoubles(double& a, double& b);

}  // namespace trevalo
