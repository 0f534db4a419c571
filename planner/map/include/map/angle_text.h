// The planner's own angle texts: "N047* 30'0.00" (hemisphere letter, degrees, minutes,
// hundredths of a minute) and colon texts "D:M:H" (degrees, minutes, hundredths of a
// minute). Longitudes are west-positive: "W" positive, "E" negative. Bad text reads as 0.
#pragma once

#include <string>

namespace trevalo {

// Hemisphere text of signed degrees; a value of exactly 0 has no letter.
std::string FormatLatLon(double value, bool isLatitude);

// "D:M:H" as |D| + (M + H / 100) / 60, negative when the text's first character is "-";
// a text without ":" is plain decimal degrees; a text with a single ":" gives 0.
double ParseColonAngle(const std::string& text);

// Hemisphere text ("N", "S", "E" or "W", degrees, "*", minutes, "'", hundredths) as signed
// degrees, negative for "S" and "E".
double ParseLatLonText(const std::string& text);

}  // namespace trevalo
