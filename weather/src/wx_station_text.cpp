#include "wx/wx_station_text.h"

#include <cmath>

#include "navdata/angle_text.h"

namespace wx {
namespace {

constexpr double kMinutesPerDegree = 60.0;
constexpr double kSecondsPerMinute = 60.0;
constexpr double kHundredthsPerSecond = 100.0;

// The whole part of value, and value left with its fraction.
int TakeWhole(double& value) {
    const double whole = std::trunc(value);
    value -= whole;
    return static_cast<int>(whole);
}

}  // namespace

std::string StationAngleText(double degrees, bool latitude) {
    const bool negative = degrees < 0;
    const char hemisphere = latitude ? (negative ? 'S' : 'N') : (negative ? 'W' : 'E');
    double rest = std::fabs(degrees);
    // No station lies beyond a full turn; such a value would not fit the integer fields.
    if (!std::isfinite(rest) || rest > 360.0) rest = 0.0;
    const int whole = TakeWhole(rest);
    rest *= kMinutesPerDegree;
    const int minutes = TakeWhole(rest);
    rest *= kSecondsPerMinute;
    const int seconds = TakeWhole(rest);
    const int hundredths = static_cast<int>(rest * kHundredthsPerSecond);
    return navdata::AngleTextOfFields(hemisphere, {whole, minutes, seconds, hundredths});
}

}  // namespace wx
