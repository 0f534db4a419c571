#include "scenery_units.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "navdata/angle_text.h"
#include "scenrix/scenery_layout.h"

namespace fsinstall::detail {

namespace layout = scenrix::scenery;

namespace {

// Whole part (floor) and 16-bit fraction of value, the fraction rounded.
struct FixedPoint {
    std::int64_t whole;
    std::uint16_t fraction;
};

FixedPoint Split(double value) {
    double whole = std::floor(value);
    double fraction = std::round((value - whole) * layout::kFractionScale);
    if (fraction >= layout::kFractionScale) {
        whole += 1.0;
        fraction = 0.0;
    }
    return {static_cast<std::int64_t>(whole), static_cast<std::uint16_t>(fraction)};
}

// Longitude brought into -180 to below 180.
double WrapLongitude(double degrees) {
    double wrapped = std::fmod(degrees + 180.0, 360.0);
    if (wrapped < 0.0) wrapped += 360.0;
    return wrapped - 180.0;
}

// The angle text's last digit is a ten-thousandth of a minute.
constexpr double kAngleTextDigit = 1.0 / 600000.0;

// The middle of the last digit of the angle text that a position has (text: the value
// that text reads as, signed as the position): written there, within the scenery's fine
// steps, the position reads back as the same text, also one whose double lies just
// below a digit's edge (8.026 degrees shows 1.5599 minutes).
double MiddleOfAngleTextDigit(double text, double degrees) {
    return text + (degrees < 0.0 ? -kAngleTextDigit : kAngleTextDigit) / 2;
}

int Digit(double value, double unit) { return static_cast<int>(std::fmod(std::floor(value / unit + 1e-6), 10.0)); }

}  // namespace

void PutLatitude24(ByteWriter& out, double degrees) {
    out.U24(static_cast<std::uint32_t>(std::lround(degrees / layout::kLatitude24Scale)) & 0xFFFFFFu);
}

void PutLongitude24(ByteWriter& out, double degrees) {
    out.U24(static_cast<std::uint32_t>(std::lround(WrapLongitude(degrees) / layout::kLongitude24Scale)) & 0xFFFFFFu);
}

void PutFacilityLatitude(ByteWriter& out, double degrees) {
    const double middle = MiddleOfAngleTextDigit(LatitudeTextDegrees(degrees), degrees);
    const FixedPoint v = Split(middle / layout::kFacilityLatitudeScale);
    out.U16(v.fraction);
    out.U32(static_cast<std::uint32_t>(v.whole));
}

void PutFacilityLongitude(ByteWriter& out, double degrees) {
    // The text of the value as given (wrapping changes its last bits); it counts west positive.
    const double middle = MiddleOfAngleTextDigit(-LongitudeTextDegrees(degrees), degrees);
    const FixedPoint v = Split(WrapLongitude(middle) / layout::kFacilityLongitudeScale);
    out.U16(v.fraction);
    out.U8(0);
    out.U24(static_cast<std::uint32_t>(v.whole) & 0xFFFFFFu);
}

void PutAngle(ByteWriter& out, double degrees) {
    double angle = std::fmod(degrees, 360.0);
    if (angle >= 180.0) angle -= 360.0;
    if (angle < -180.0) angle += 360.0;
    const FixedPoint v = Split(angle / layout::kAngleScale);
    out.U16(v.fraction);
    out.U16(static_cast<std::uint16_t>(v.whole));
}

void PutPackedFrequency(ByteWriter& out, double megahertz) {
    const double units[8] = {0.0001, 0.001, 0.01, 0.1, 1.0, 10.0, 100.0, 1000.0};
    const double value = std::round(megahertz * 10000.0) / 10000.0;
    for (int byte = 0; byte < 4; ++byte) {
        const int low = Digit(value, units[2 * byte]);
        const int high = Digit(value, units[2 * byte + 1]);
        out.U8(static_cast<std::uint8_t>(high << 4 | low));
    }
}

void PutNdbFrequency(ByteWriter& out, double kilohertz) {
    const double value = std::round(kilohertz * 10.0) / 10.0;
    out.U8(static_cast<std::uint8_t>(Digit(value, 10.0) << 4 | Digit(value, 1.0)));
    out.U8(static_cast<std::uint8_t>(std::floor(value / 100.0 + 1e-6)));
    out.U8(static_cast<std::uint8_t>(Digit(value, 0.1)));
}

void PutElevation(ByteWriter& out, double metres) {
    const double rounded = std::isfinite(metres) ? std::round(metres) : 0.0;
    const double whole = std::clamp(rounded, double{INT16_MIN}, double{INT16_MAX});
    out.U16(static_cast<std::uint16_t>(static_cast<std::int16_t>(whole)));
}

}  // namespace fsinstall::detail
