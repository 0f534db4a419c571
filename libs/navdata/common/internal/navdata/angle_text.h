// Angle text, the position layout of the record lines: a hemisphere letter, "%03d"
// whole degrees, "*", "%3d" whole minutes, "'", hundredths of a minute, "." and
// ten-thousandths of a minute ("N047* 27'57.37"). Its writers and the signed readers;
// Scenrix exports four more readers (scenrix/angle_text.h).
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// Angle text of signed degrees, "N" for 0 or more and "S" otherwise. Every step
// truncates, so a value just below a decimal step shows the lower digits.
std::string LatitudeToAngleText(double degrees);
// As LatitudeToAngleText with "E" and "W".
std::string LongitudeToAngleText(double degrees);
// The same texts written into out, which has navdata::kAngleTextRoom bytes; each
// returns the text's length.
std::size_t WriteLatitudeAngleText(double degrees, char* out);
std::size_t WriteLongitudeAngleText(double degrees, char* out);

// Signed degrees: negative for "S" and for "E", so longitudes count west-positive
// as the great-circle arithmetic wants them. 0.0 when "*" or "'" is missing or "'"
// stands before "*".
double AngleTextToDegrees(const char* text);
double AngleTextToDegrees(std::string text);

// AngleTextToDegrees of LatitudeToAngleText(degrees) and of LongitudeToAngleText(degrees),
// worked out from the text's numbers without composing it.
double LatitudeTextDegrees(double degrees);
double LongitudeTextDegrees(double degrees);

// Whole minutes plus the decimal part of the minute; 0.0 without "*".
double GetDecimalMinutesFromAngle(const char* text);
// The same over a text already measured.
double GetDecimalMinutesFromAngle(std::string_view text);

namespace navdata {

// Whole degrees, whole minutes and the two numbers after the minute mark (hundredths
// and ten-thousandths of a minute, or seconds and hundredths for the weather editor).
using AngleTextNumbers = std::array<int, 4>;

// Room for the angle text of any numbers: the letter, and each number with its mark.
inline constexpr std::size_t kAngleTextRoom = 49;

// The letter and the numbers laid out as "%s%03d*%3d'%02d.%02d" prints them, for any
// int (wider numbers widen the text), without the cost of the printf family.
std::string AngleTextOfFields(char letter, const AngleTextNumbers& numbers);
// The same written into out (kAngleTextRoom bytes); returns its length.
std::size_t WriteAngleTextOfFields(char letter, const AngleTextNumbers& numbers, char* out);

}  // namespace navdata
