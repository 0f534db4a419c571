#include "wx/wx_units.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/numbers.h"

namespace wx {
namespace {

int32_t SaturatedAdd(int32_t value, int32_t delta) {
    const int64_t sum = int64_t{value} + delta;
    return static_cast<int32_t>(
        std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

}  // namespace

float FeetToMetres(double feet) { return static_cast<float>(feet * kMetresPerFoot); }

float WindAltitudeFromFeet(double feet) { return static_cast<float>(std::trunc(feet * kMetresPerFoot)); }

int32_t ShownFeet(float metres) { return platform::SaturatingInt(double{metres} * kFeetPerMetre); }

int32_t ShownValue(float value) { return platform::SaturatingInt(value); }

int32_t StoredCoverage(int32_t shownCoverage) { return SaturatedAdd(shownCoverage, 1); }

int32_t ShownCoverage(int32_t storedCoverage) { return SaturatedAdd(storedCoverage, -1); }

}  // namespace wx
