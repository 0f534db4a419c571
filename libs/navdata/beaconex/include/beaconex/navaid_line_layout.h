// Columns of the navaid record line, 170 characters.
#pragma once

#include "navdata/field_spec.h"
#include "navdata/line_widths.h"

namespace beaconex::navaid_line {

using navdata::FieldSpec;

inline constexpr std::size_t kWidth = navdata::kNavaidLineWidth;

inline constexpr FieldSpec kCountry{0, 30};
inline constexpr FieldSpec kType{30, 3};  // "NDB", "VOR", "ILS", "GPS", ...
inline constexpr FieldSpec kIdent{33, 10};
inline constexpr FieldSpec kFrequency{43, 20};  // kHz for an NDB, MHz otherwise
inline constexpr FieldSpec kLatitude{63, 21};   // angle text
inline constexpr FieldSpec kLongitude{84, 21};
inline constexpr FieldSpec kElevation{105, 15};  // feet
inline constexpr FieldSpec kName{120, 50};

inline constexpr FieldSpec kFields[] = {kCountry, kType, kIdent, kFrequency, kLatitude, kLongitude, kElevation, kName};
static_assert(navdata::FieldsTile(kFields, kWidth));

}  // namespace beaconex::navaid_line
