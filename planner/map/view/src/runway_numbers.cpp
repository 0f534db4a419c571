#include "mapview/runway_numbers.h"

#include <cmath>

namespace trevalo {
namespace {

constexpr int kDirections = 36;
constexpr int kHalfTurn = 18;

int IntoOneToThirtySix(int number) {
    const int wrapped = ((number % kDirections) + kDirections) % kDirections;
    return wrapped == 0 ? kDirections : wrapped;
}

}  // namespace

RunwayNumbers MapRunwayNumbers(double heading, double magneticVariation) {
    const int n = IntoOneToThirtySix(static_cast<int>(std::lround((heading - magneticVariation) * 0.1)));
    return {n, IntoOneToThirtySix(n + kHalfTurn)};
}

}  // namespace trevalo
