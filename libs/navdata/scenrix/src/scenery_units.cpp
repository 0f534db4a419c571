#include "scenery_units.h"

#include "scenrix/scenery_layout.h"

namespace scenrix::detail {

namespace layout = scenrix::scenery;

namespace {

int HighNibble(std::uint8_t byte) { return byte >> 4; }
int LowNibble(std::uint8_t byte) { return byte & 0x0F; }

}  // namespace

double Latitude24(const SceneryBytes& bytes, std::size_t offset) {
    return bytes.S24(offset) * layout::kLatitude24Scale;
}

double Longitude24(const SceneryBytes& bytes, std::size_t offset) {
    return bytes.S24(offset) * layout::kLongitude24Scale;
}

double FacilityLatitude(const SceneryBytes& bytes, std::size_t offset) {
    const double whole = bytes.S32(offset + 2);
    const double fraction = bytes.U16(offset) / layout::kFractionScale;
    return (whole + fraction) * layout::kFacilityLatitudeScale;
}

double FacilityLongitude(const SceneryBytes& bytes, std::size_t offset) {
    // Byte 2 is not part of the value.
    const double whole = bytes.S24(offset + 3);
    const double fraction = bytes.U16(offset) / layout::kFractionScale;
    return (whole + fraction) * layout::kFacilityLongitudeScale;
}

double FacilityAngle(const SceneryBytes& bytes, std::size_t offset) {
    const double whole = bytes.S16(offset + 2);
    const double fraction = bytes.U16(offset) / layout::kFractionScale;
    return (whole + fraction) * layout::kAngleScale;
}

double FacilityHeading(const SceneryBytes& bytes, std::size_t offset) {
    const double angle = FacilityAngle(bytes, offset);
    return angle < 0.0 ? angle + 360.0 : angle;
}

double PackedFrequency(const SceneryBytes& bytes, std::size_t offset) {
    const std::uint8_t b0 = bytes.U8(offset);
    const std::uint8_t b1 = bytes.U8(offset + 1);
    const std::uint8_t b2 = bytes.U8(offset + 2);
    const std::uint8_t b3 = bytes.U8(offset + 3);
    return HighNibble(b3) * 1000.0 + LowNibble(b3) * 100.0 + HighNibble(b2) * 10.0 + LowNibble(b2) +
           HighNibble(b1) * 0.1 + LowNibble(b1) * 0.01 + HighNibble(b0) * 0.001 + LowNibble(b0) * 0.0001;
}

double NdbFrequency(const SceneryBytes& bytes, std::size_t recordStart) {
    const std::size_t field = recordStart + layout::kNdbFrequencyField;
    const std::uint8_t b1 = bytes.U8(field);
    const std::uint8_t b2 = bytes.U8(field + 1);
    const std::uint8_t b3 = bytes.U8(field + 2);
    return b3 * 0.1 + HighNibble(b1) * 10.0 + b2 * 100.0 + LowNibble(b1);
}

double ElevationFeet(const SceneryBytes& bytes, std::size_t offset) {
    return bytes.S16(offset) * layout::kFeetPerMetre;
}

}  // namespace scenrix::detail
