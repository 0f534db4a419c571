// Columns of the airport record line: one runway of one airport, 335 characters.
#pragma once

#include "navdata/field_layout.h"
#include "navdata/line_widths.h"

namespace aerodrex::airport_line {

using navdata::FieldLayout;

inline constexpr std::size_t kWidth = navdata::kAirportLineWidth;

inline constexpr FieldLayout kCity{0, 40};
inline constexpr FieldLayout kCountry{40, 30};
inline constexpr FieldLayout kName{70, 50};
inline constexpr FieldLayout kIdent{120, 10};
inline constexpr FieldLayout kElevation{130, 15};  // feet, decimal text
inline constexpr FieldLayout kLatitude{145, 20};   // angle text
inline constexpr FieldLayout kLongitude{165, 20};
inline constexpr FieldLayout kAtisFrequency{185, 10};  // MHz, blank when none
inline constexpr FieldLayout kRunwayHeading{195, 5};   // degrees, may end in L or R
inline constexpr FieldLayout kRunwayLength{200, 15};
inline constexpr FieldLayout kSurface{215, 10};
inline constexpr FieldLayout kIlsFrequency{225, 10};  // MHz, blank when none
inline constexpr FieldLayout kIlsIdent{235, 10};
inline constexpr FieldLayout kSide{245, 10};  // side letter, then magnetic variation
inline constexpr FieldLayout kRunwayStartLatitude{255, 20};
inline constexpr FieldLayout kRunwayEndLatitude{275, 20};
inline constexpr FieldLayout kRunwayStartLongitude{295, 20};
inline constexpr FieldLayout kRunwayEndLongitude{315, 20};

// Side letters of a runway, as the airport readers know them.
inline constexpr const char* kSideLetters = "LRHC";

inline constexpr FieldLayout kFields[] = {kCity,
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
