#include "map/runway_numbers.h"

#include <cmath>

namespace trevalo {
namespace {

constexpr int kRunwayNumbers = 36;
constexpr int kHalfRunwayNumbers = 18;
constexpr double kRunwayNumbersPerDegree = 0.1;

}  // namespace

int NormalizeRunwayNumber(int number) {
    const int zeroBased = ((number - 1) % kRunwayNumbers + kRunwayNumbers) % kRunwayNumbers;
    return zeroBased + 1;
}

int ReciprocalRunwayNumber(int number) {
    const int n = NormalizeRunwayNumber(number);
    return n + kHalfRunwayNumbers > kRunwayNumbers ? n - kHalfRunwayNumbers : n + kHalfRunwayNumbers;
}

RunwayNumbers RunwayNumbersFor(double heading, double magneticVariation) {
    const int n =
        NormalizeRunwayNumber(static_cast<int>(std::lround((heading - magneticVariation) * kRunwayNumbersPerDegree)));
    return {n, ReciprocalRunwayNumber(n)};
}

}  // namespace trevalo
