#include "wx/wx_units.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace wx {
namespace {

int32_t SaturatedAdd(int32_t value, int32_t delta) {
    const int64_t sum = int64_t{value} + delta;
    return static_cast<int32_t>(std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

}  // namespace

int32_t TruncatedInt32(double value) {
    if (std::isnan(value)) return 0;
    constexpr double kLow = std::numeric_limits<int32_t>::min();
    constexpr double kHigh = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::trunc(std::clamp(value, kLow, kHigh)));
}

float FeetToMetres(double feet) { return static_cast<float>(feet * kMetresPerFoot); }

float WindAltitudeFromFeet(double feet) { return static_cast<float>(std::trunc(feet * kMetresPerFoot)); }

int32_t ShownFeet(float metres) { return TruncatedInt32(double{metres} * kFeetPerMetre); }

int32_t ShownValue(float value) { return TruncatedInt32(value); }

int32_t StoredCoverage(int32_t shownCoverage) { return SaturatedAdd(shownCoverage, 1); }

int32_t ShownCoverage(int32_t storedCoverage) { return SaturatedAdd(storedCoverage, -1); }

}  // namespace wx
