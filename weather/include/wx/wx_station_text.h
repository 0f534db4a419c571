// The weather editor's text for a station's position: hemisphere letter, then whole
// degrees, minutes, seconds and hundredths of a second, each truncated.
#pragma once

#include <string>

namespace wx {

// "N047* 27'57.30" style text; latitude picks "N"/"S", else "E"/"W", by the sign.
std::string StationAngleText(double degrees, bool latitude);

}  // namespace wx
