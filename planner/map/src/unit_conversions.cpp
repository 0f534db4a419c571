#include "map/unit_conversions.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace trevalo {

namespace {
constexpr double kRadiansPerDegree = 0.017453292519943295;
constexpr double kDegreesPerRadian = 57.29577951308232;
constexpr double kSecondsPerDegree = 3600.0;
constexpr double kSecondsPerMinute = 60.0;
constexpr double kMinutesPerDegree = 60.0;
// The packed value keeps seconds of arc in units of 1/10000 degree.
constexpr double kPackedDegreesPerSecond = 0.0001;
}  // namespace

double ArcSecondsToRadians(double arcSeconds) {
    const double degrees = std::trunc(arcSeconds / kSecondsPerDegree);
    const double afterDegrees = arcSeconds - degrees * kSecondsPerDegree;
    const double minutes = std::trunc(afterDegrees / kSecondsPerMinute);
    const double seconds = afterDegrees - minutes * kSecondsPerMinute;
    return (seconds / kSecondsPerDegree + minutes / kMinutesPerDegree + degrees) * std::numbers::pi / 180.0;
}

double DegreesToRadians(double degrees) { return degrees * kRadiansPerDegree; }

double RadiansToDegrees(double radians) { return radians * kDegreesPerRadian; }

double DegreesMinutesToDecimal(double degrees) {
    const double whole = std::trunc(degrees);
    const double fraction = degrees - whole;
    return whole + fraction * kMinutesPerDegree * kSecondsPerMinute * kPackedDegreesPerSecond;
}

double PositiveModulo(double a, double b) {
    const double quotient = std::trunc(a / b);
    if (a >= 0.0) return a - b * quotient;
    return a + b * (1.0 - quotient);
}

void SwapDoubles(double& a, double& b) { std::swap(a, b); }

}  // namespace trevalo
