// Angle text writers and the signed-degree readers used inside Scenrix by the
// scenery reader. The exported readers are in scenrix/angle_text.h.
#pragma once

#include <string>

// Angle text ("N047* 27'34.20"), "N" for 0 or more, "S" otherwise. Every step
// truncates, so a value just below a decimal step shows the lower digits.
std::string LatitudeToAngleText(double degrees);
// As LatitudeToAngleText with "E" and "W".
std::string LongitudeToAngleText(double degrees);

// Signed degrees: negative for "S" and for "E", so longitudes count west-positive
// as the great-circle arithmetic wants them. 0.0 when "*" or "'" is missing or "'"
// stands before "*".
double AngleTextToDegrees(const char* text);
double AngleTextToDegrees(std::string text);

// Whole minutes plus the decimal part of the minute; 0.0 without "*".
double GetDecimalMinutesFromAngle(const char* text);
