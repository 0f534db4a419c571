// Conversions between degrees, metres and knots and the stored fields of the simulator's
// global block. Doubles reach a fixed-width field through a wider number and wrap as the
// field's width does.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <type_traits>

namespace simlink {

// The whole part of value, wrapped to the width of Field (NaN and infinities give 0).
template <class Field>
Field WrapToField(double value) {
    static_assert(std::numeric_limits<Field>::is_integer);
    if (!std::isfinite(value)) return 0;
    using Unsigned = std::make_unsigned_t<Field>;
    constexpr double kModulus = static_cast<double>(std::numeric_limits<Unsigned>::max()) + 1.0;
    double wrapped = std::fmod(std::trunc(value), kModulus);
    if (wrapped < 0) wrapped += kModulus;
    return static_cast<Field>(static_cast<Unsigned>(wrapped));
}

// The suite's first-decimal rounding over the whole double range.
double RoundWide(double value);

struct EncodedCoordinate {
    std::int32_t high = 0;
    std::int32_t low = 0;
};

double LatitudeDegrees(EncodedCoordinate stored);
EncodedCoordinate EncodeLatitude(double degrees);
double LongitudeDegrees(EncodedCoordinate stored);
EncodedCoordinate EncodeLongitude(double degrees);

// A heading as a signed angle, -180 to +180.
double HeadingDegrees(std::int32_t stored);
std::int32_t EncodeHeading(double degrees);

}  // namespace simlink
