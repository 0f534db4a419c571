// Columns of the navaid record line, 170 characters.
#pragma once

#include "navdata/field_layout.h"
#include "navdata/line_widths.h"

namespace beaconex::navaid_line {

using navdata::FieldLayout;

inline constexpr std::size_t kWidth = navdata::kNavaidLineWidth;

inline constexpr FieldLayout kCountry{0, 30};
inline constexpr FieldLayout kType{30, 3};  // "NDB", "VOR", "ILS", "GPS", ...
inline constexpr FieldLayout kIdent{33, 10};
inline constexpr FieldLayout kFrequency{43, 20};  // kHz for an NDB, MHz otherwise
inline constexpr FieldLayout kLatitude{63, 21};   // angle text
inline constexpr FieldLayout kLongitude{84, 21};
inline constexpr FieldLayout kElevation{105, 15};  // feet
inline constexpr FieldLayout kName{120, 50};

inline constexpr FieldLayout kFields[] = {kCountry,  kType,      kIdent,     kFrequency,
                                          kLatitude, kLongitude, kElevation, kName};
static_assert(navdata::FieldsTile(kFields, kWidth));

}  // namespace beaconex::navaid_line
