#include "script_angle.h"

#include <cmath>
#include <numbers>

#include "platform/numbers.h"
#include "platform/text.h"
#include "scenrix/angle_text.h"

namespace textorin {
namespace {

constexpr double kArcMinuteRadians = 0.0002908882086657216;
constexpr double kDegreesToRadians = std::numbers::pi / 180.0;

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

DegreesMinutesSeconds ToDms(double radians) {
    double degrees = radians / kDegreesToRadians;
    DegreesMinutesSeconds dms;
    dms.degrees = platform::SaturatingInt(degrees);
    double minutes = (degrees - dms.degrees) * 60.0;
    dms.minutes = platform::SaturatingInt(minutes);
    dms.seconds = (minutes - dms.minutes) * 60.0;
    return dms;
}

}  // namespace

std::string FormatAngleForScript(const std::string& angleText, HemisphereFlags flags) {
    if (angleText.find("* ") == std::string::npos || angleText.find('\'') == std::string::npos) return angleText;
    char letter = angleText.front();
    std::string text = angleText.substr(1);
    ReplaceAll(text, "* ", ":");
    ReplaceAll(text, "'", ":");
    ReplaceAll(text, ": ", ":0");
    bool negative = (flags.north && letter == 'S') || (flags.west && letter == 'E');
    return negative ? "-" + text : text;
}

GeoPoint ComputeDestinationPoint(double lat1, double lon1, double bearing, double distanceNm) {
    double d = distanceNm * kArcMinuteRadians;
    double lat2 = std::asin(std::sin(lat1) * std::cos(d) + std::cos(lat1) * std::sin(d) * std::cos(bearing));
    double lon2 = lon1 - std::asin(std::sin(bearing) * std::sin(d) / std::cos(lat1));
    return {ToDms(lat2), ToDms(lon2)};
}

double AngleTextToRadians(const std::string& angleText) {
    std::string digits = angleText.empty() ? angleText : angleText.substr(1);
    double degrees = GetDegreeFromAngle(digits.c_str()) + GetMinuteFromAngle(digits.c_str()) / 60.0 +
                     GetSecondsFromAngle(digits.c_str()) / 3600.0;
    return degrees * kDegreesToRadians;
}

double DmsToRadians(const DegreesMinutesSeconds& dms) {
    return (dms.degrees + dms.minutes / 60.0 + dms.seconds / 3600.0) * kDegreesToRadians;
}

std::string FormatDms(const DegreesMinutesSeconds& dms, bool negative) {
    // A whole minute that the truncation left just short ("03" and 59.999...) would print
    // as 60.00 seconds: carry it, so the text reads "04" and 0.00.
    constexpr double kPrintsAsSixty = 59.995;
    DegreesMinutesSeconds shown = dms;
    if (shown.seconds >= kPrintsAsSixty) {
        shown.seconds = 0.0;
        if (++shown.minutes == 60) {
            shown.minutes = 0;
            ++shown.degrees;
        }
    }
    return platform::Format(negative ? "-%02d:%02d:%02.02f" : "%02d:%02d:%02.02f", shown.degrees, shown.minutes,
                            shown.seconds);
}

}  // namespace textorin
