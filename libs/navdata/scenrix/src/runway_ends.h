// Runway end points: computing missing ends from the centre, heading and length, and
// the two logs in the root of drive C: that record computed ends and unmatched starts.
#pragma once

#include <string>

#include "scenrix/airport_struct.h"

namespace scenrix::detail {

inline constexpr const char* kCorrectionsLogPath = "C:\\QuilletCorrect.nav";
inline constexpr const char* kInvalidRunwayLogPath = "C:\\Invalid.txt";

// Moves (latitude, longitude) in degrees, longitudes positive west, by distance arc
// minutes along course degrees. A distance of 0 changes nothing.
void GreatCircleOffset(double course, double distance, double& latitude, double& longitude);

// Fills each empty runway end field from the centre, and appends one record to the
// corrections log when any field was filled.
void FillRunwayEnds(CAirportStruct& runway);

// Appends "%-5s, %02d/%02d, %15f" for a runway start that matched no runway.
void LogInvalidRunway(const std::string& ident, const std::string& runwayHeading,
                      double recordHeading);

}  // namespace scenrix::detail
