// Columns of the ILS record line, 92 characters.
#pragma once

#include "navdata/field_spec.h"
#include "navdata/line_widths.h"

namespace beaconex::ils_line {

using navdata::FieldSpec;

inline constexpr std::size_t kWidth = navdata::kIlsLineWidth;

inline constexpr FieldSpec kKind{0, 2};
inline constexpr FieldSpec kIdent{2, 10};
inline constexpr FieldSpec kAirportIdent{12, 10};
inline constexpr FieldSpec kLatitude{22, 20};  // angle text
inline constexpr FieldSpec kLongitude{42, 20};
inline constexpr FieldSpec kFrequency{62, 10};  // MHz
inline constexpr FieldSpec kHeading{72, 10};    // degrees
inline constexpr FieldSpec kSide{82, 10};       // side letter, then magnetic variation

// Side letters as the ILS readers know them ("C" is not among them).
inline constexpr const char* kSideLetters = "LRH";

inline constexpr FieldSpec kFields[] = {kKind,      kIdent,     kAirportIdent, kLatitude,
                                        kLongitude, kFrequency, kHeading,      kSide};
static_assert(navdata::FieldsTile(kFields, kWidth));

}  // namespace beaconex::ils_line
