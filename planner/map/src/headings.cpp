#include "map/headings.h"

#include <cmath>

namespace trevalo {
namespace {

constexpr double kFullCircle = 360.0;
constexpr double kHalfCircle = 180.0;

}  // namespace

double HeadingDifference(double a, double b) {
    const double difference = std::fmod(std::fabs(a - b), kFullCircle);
    return difference > kHalfCircle ? kFullCircle - difference : difference;
}

double ReciprocalHeading(double heading) {
    const double opposite = heading + kHalfCircle;
    return opposite > kFullCircle ? opposite - kFullCircle : opposite;
}

}  // namespace trevalo
