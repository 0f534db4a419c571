#include "conversions.h"

#include "scenrix/rounding.h"
#include "simlinker/global_block.h"

namespace simlink {

using namespace global_block;

double RoundWide(double value) {
    if (!std::isfinite(value)) return 0;
    // The rounding depends on the fraction alone, which keeps it inside int range.
    const double whole = std::trunc(value);
    return whole + scenrix::round(value - whole);
}

double LatitudeDegrees(EncodedCoordinate stored) {
    return stored.high * 90.0 / 10001750.0 - stored.low * 90.0 / (10001750.0 * kTwoTo32);
}

EncodedCoordinate EncodeLatitude(double degrees) {
    const double units = degrees * kLatitudeUnitsPerDegree;
    const double high = RoundWide(units);
    return {WrapToField<std::int32_t>(high), WrapToField<std::int32_t>(RoundWide((units - high) * -kTwoTo32))};
}

double LongitudeDegrees(EncodedCoordinate stored) {
    return stored.high * 360.0 / kTwoTo32 + stored.low * 360.0 / (kTwoTo32 * kTwoTo32);
}

EncodedCoordinate EncodeLongitude(double degrees) {
    const double units = degrees * kAngleUnitsPerDegree;
    const double high = RoundWide(units);
    return {WrapToField<std::int32_t>(high), WrapToField<std::int32_t>((units - high) * kTwoTo32)};
}

double HeadingDegrees(std::int32_t stored) { return stored / kAngleUnitsPerDegree; }

std::int32_t EncodeHeading(double degrees) { return WrapToField<std::int32_t>(degrees * kAngleUnitsPerDegree); }

}  // namespace simlink
