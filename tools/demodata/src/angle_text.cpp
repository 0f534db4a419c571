#include "angle_text.h"

#include <cstdio>

namespace demodata {

namespace {

constexpr double kMinutesPerDegree = 60.0;
constexpr double kHundredths = 100.0;

std::string AngleText(double degrees, const char* positive, const char* negative) {
    const char* letter = positive;
    if (!(degrees >= 0)) {
        letter = negative;
        degrees = -degrees;
    }
    const int whole = static_cast<int>(degrees);
    const double minutes = (degrees - whole) * kMinutesPerDegree;
    const int wholeMinutes = static_cast<int>(minutes);
    const double hundredths = (minutes - wholeMinutes) * kHundredths;
    const int wholeHundredths = static_cast<int>(hundredths);
    const int tenThousandths = static_cast<int>((hundredths - wholeHundredths) * kHundredths);
    char text[32];
    std::snprintf(text, sizeof text, "%s%03d*%3d'%02d.%02d", letter, whole, wholeMinutes,
                  wholeHundredths, tenThousandths);
    return text;
}

}  // namespace

std::string LatitudeText(double degrees) { return AngleText(degrees, "N", "S"); }
std::string LongitudeText(double degrees) { return AngleText(degrees, "E", "W"); }

}  // namespace demodata
