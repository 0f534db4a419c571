#include "headings.h"

#include <cmath>

namespace trevalo::route_detail {
namespace {

constexpr double kFullCircle = 360.0;
constexpr double kHalfCircle = 180.0;
constexpr int kRunwayNumbers = 36;
constexpr int kHalfRunwayNumbers = 18;

}  // namespace

double HeadingDifference(double a, double b) {
    const double difference = std::fmod(std::fabs(a - b), kFullCircle);
    return difference > kHalfCircle ? kFullCircle - difference : difference;
}

int NormalizeRunwayNumber(int number) {
    const int zeroBased = ((number - 1) % kRunwayNumbers + kRunwayNumbers) % kRunwayNumbers;
    return zeroBased + 1;
}

int ReciprocalRunwayNumber(int number) {
    const int n = NormalizeRunwayNumber(number);
    return n + kHalfRunwayNumbers > kRunwayNumbers ? n - kHalfRunwayNumbers : n + kHalfRunwayNumbers;
}

double ReciprocalHeading(double heading) {
    const double opposite = heading + kHalfCircle;
    return opposite > kFullCircle ? opposite - kFullCircle : opposite;
}

}  // namespace trevalo::route_detail
