// Conversions of the scenery records' packed values to degrees, MHz and feet.
#pragma once

#include <cstddef>

#include "scenery_bytes.h"

namespace scenrix::detail {

// 3-byte positions of the navaid records.
double Latitude24(const SceneryBytes& bytes, std::size_t offset);
double Longitude24(const SceneryBytes& bytes, std::size_t offset);
// 6-byte positions of the facility records.
double FacilityLatitude(const SceneryBytes& bytes, std::size_t offset);
double FacilityLongitude(const SceneryBytes& bytes, std::size_t offset);
// 16.16 angle in degrees, as stored (may be negative).
double FacilityAngle(const SceneryBytes& bytes, std::size_t offset);
// The same brought into 0 to 360.
double FacilityHeading(const SceneryBytes& bytes, std::size_t offset);
// 4 bytes of packed decimal with four decimals, in MHz.
double PackedFrequency(const SceneryBytes& bytes, std::size_t offset);
// NDB frequency in kHz from the record's bytes 1 to 3.
double NdbFrequency(const SceneryBytes& bytes, std::size_t recordStart);
// Signed 16-bit metres in feet.
double ElevationFeet(const SceneryBytes& bytes, std::size_t offset);

}  // namespace scenrix::detail
