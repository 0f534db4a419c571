// Columns of the ILS record line, 92 characters.
#pragma once

#include "navdata/field_layout.h"
#include "navdata/line_widths.h"

namespace beaconex::ils_line {

using navdata::FieldLayout;

inline constexpr std::size_t kWidth = navdata::kIlsLineWidth;

inline constexpr FieldLayout kKind{0, 2};
inline constexpr FieldLayout kIdent{2, 10};
inline constexpr FieldLayout kAirportIdent{12, 10};
inline constexpr FieldLayout kLatitude{22, 20};  // angle text
inline constexpr FieldLayout kLongitude{42, 20};
inline constexpr FieldLayout kFrequency{62, 10};  // MHz
inline constexpr FieldLayout kHeading{72, 10};    // degrees
inline constexpr FieldLayout kSide{82, 10};       // side letter, then magnetic variation

// Side letters as the ILS readers know them ("C" is not among them).
inline constexpr const char* kSideLetters = "LRH";

inline constexpr FieldLayout kFields[] = {kKind,      kIdent,     kAirportIdent, kLatitude,
                                          kLongitude, kFrequency, kHeading,      kSide};
static_assert(navdata::FieldsTile(kFields, kWidth));

}  // namespace beaconex::ils_line
