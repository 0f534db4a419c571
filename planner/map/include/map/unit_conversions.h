// Angle unit conversions and small numeric helpers of the planner's navigation arithmetic.
#pragma once

namespace trevalo {

double ArcSecondsToRadians(double arcSeconds);
double DegreesToRadians(double degrees);
double RadiansToDegrees(double radians);

// Packs the fraction of a degree as seconds / 10000: 47.5 gives 47.18.
double DegreesMinutesToDecimal(double degrees);

// Remainder of a / b brought into 0 up to b (used with b = 2 pi for angles).
double PositiveModulo(double a, double b);

void SwapDoubles(double& a, double& b);

}  // namespace trevalo
