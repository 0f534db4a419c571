// Columns of the airport record line: one runway of one airport, 335 characters.
#pragma once

#include "navdata/field_spec.h"
#include "navdata/line_widths.h"

namespace aerodrex::airport_line {

using navdata::FieldSpec;

inline constexpr std::size_t kWidth = navdata::kAirportLineWidth;

inline constexpr FieldSpec kCity{0, 40};
inline constexpr FieldSpec kCountry{40, 30};
inline constexpr FieldSpec kName{70, 50};
inline constexpr FieldSpec kIdent{120, 10};
inline constexpr FieldSpec kElevation{130, 15};  // feet, decimal text
inline constexpr FieldSpec kLatitude{145, 20};   // angle text
inline constexpr FieldSpec kLongitude{165, 20};
inline constexpr FieldSpec kAtisFrequency{185, 10};  // MHz, blank when none
inline constexpr FieldSpec kRunwayHeading{195, 5};   // degrees, may end in L or R
inline constexpr FieldSpec kRunwayLength{200, 15};
inline constexpr FieldSpec kSurface{215, 10};
inline constexpr FieldSpec kIlsFrequency{225, 10};  // MHz, blank when none
inline constexpr FieldSpec kIlsIdent{235, 10};
inline constexpr FieldSpec kSide{245, 10};  // side letter, then magnetic variation
inline constexpr FieldSpec kRunwayStartLatitude{255, 20};
inline constexpr FieldSpec kRunwayEndLatitude{275, 20};
inline constexpr FieldSpec kRunwayStartLongitude{295, 20};
inline constexpr FieldSpec kRunwayEndLongitude{315, 20};

// Side letters of a runway, as the airport readers know them.
inline constexpr const char* kSideLetters = "LRHC";

inline constexpr FieldSpec kFields[] = {kCity,
                                        kCountry,
                                        kName,
                                        kIdent,
                                        kElevation,
                                        kLatitude,
                                        kLongitude,
                                        kAtisFrequency,
                                        kRunwayHeading,
                                        kRunwayLength,
                                        kSurface,
                                        kIlsFrequency,
                                        kIlsIdent,
                                        kSide,
                                        kRunwayStartLatitude,
                                        kRunwayEndLatitude,
                                        kRunwayStartLongitude,
                                        kRunwayEndLongitude};
static_assert(navdata::FieldsTile(kFields, kWidth));

}  // namespace aerodrex::airport_line
