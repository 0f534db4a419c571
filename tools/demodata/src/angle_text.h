// Angle text as the scenery writer composes it: a hemisphere letter, "%03d" degrees, "*",
// "%3d" minutes, "'", hundredths and ten-thousandths of a minute ("N047* 27'57.00").
// Every step truncates.
#pragma once

#include <string>

namespace demodata {

std::string LatitudeText(double degrees);   // "N" for 0 or more, else "S"
std::string LongitudeText(double degrees);  // "E" for 0 or more, else "W"

}  // namespace demodata
