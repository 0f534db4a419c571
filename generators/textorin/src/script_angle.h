// Positions as the adventure script writes them: angle text turned into the colon
// form, and the great-circle step that places the holding box around its centre.
#pragma once

#include <string>

namespace textorin {

struct HemisphereFlags {
    bool west = false;   // set unless the definition's longitude hemisphere is "East"
    bool north = false;  // set unless its latitude hemisphere is "South"
};

// "S033*  5'12.34" -> "033:05:12.34", with a leading "-" for a southern angle when the
// north flag is set or an eastern one when the west flag is set. Text without "* " or
// without an apostrophe is returned unchanged.
std::string FormatAngleForScript(const std::string& angleText, HemisphereFlags flags);

struct DegreesMinutesSeconds {
    int degrees = 0;
    int minutes = 0;
    double seconds = 0.0;
};

struct GeoPoint {
    DegreesMinutesSeconds latitude, longitude;
};

// The point distanceNm from (lat1, lon1) along bearing (all angles in radians,
// longitudes positive westward).
GeoPoint ComputeDestinationPoint(double lat1, double lon1, double bearing, double distanceNm);

// Radians of an angle text from its unsigned degrees, minutes and "seconds" (the
// angle readers' hundredths of a minute).
double AngleTextToRadians(const std::string& angleText);
double DmsToRadians(const DegreesMinutesSeconds& dms);

// "%02d:%02d:%02.02f", with a leading "-" when negative is set; seconds that would
// print as 60.00 carry into the minutes.
std::string FormatDms(const DegreesMinutesSeconds& dms, bool negative);

}  // namespace textorin
