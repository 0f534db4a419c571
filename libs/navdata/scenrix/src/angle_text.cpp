#include "scenrix/angle_text.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "angle_text_internal.h"
#include "number_text.h"

namespace {

using scenrix::detail::DecimalNumber;
using scenrix::detail::SaturatingInt;
using scenrix::detail::WholeNumber;

constexpr const char* kAngleTextFormat = "%s%03d*%3d'%02d.%02d";
constexpr char kDegreeMark = '*';
constexpr char kMinuteMark = '\'';
constexpr char kDecimalMark = '.';
// The whole minutes are read from two characters after the degree mark.
constexpr std::size_t kMinutesAfterDegreeMark = 2;

std::string ComposeAngleText(double degrees, const char* positiveLetter,
                             const char* negativeLetter) {
    const bool nonNegative = degrees >= 0.0;
    const double value = nonNegative ? degrees : std::fabs(degrees);
    const double wholeDegrees = std::trunc(value);
    const double minutes = (value - wholeDegrees) * 60.0;
    const double wholeMinutes = std::trunc(minutes);
    const double hundredths = (minutes - wholeMinutes) * 100.0;
    const double wholeHundredths = std::trunc(hundredths);
    const double tenThousandths = (hundredths - wholeHundredths) * 100.0;

    // Room for a saturated degree value beyond the normal three digits.
    char text[48];
    std::snprintf(text, sizeof text, kAngleTextFormat,
                  nonNegative ? positiveLetter : negativeLetter, SaturatingInt(wholeDegrees),
                  SaturatingInt(wholeMinutes), SaturatingInt(wholeHundredths),
                  SaturatingInt(tenThousandths));
    return text;
}

// The text from offset on, stopping at the terminator.
const char* SkipAtMost(const char* text, std::size_t offset) {
    while (offset > 0 && *text != '\0') {
        ++text;
        --offset;
    }
    return text;
}

}  // namespace

std::string LatitudeToAngleText(double degrees) {
    return ComposeAngleText(degrees, "N", "S");
}

std::string LongitudeToAngleText(double degrees) {
    return ComposeAngleText(degrees, "E", "W");
}

double AngleTextToDegrees(const char* text) {
    if (text == nullptr) {
        return 0.0;
    }
    const std::string_view angle(text);
    const std::size_t degreeMark = angle.find(kDegreeMark);
    const std::size_t minuteMark = angle.find(kMinuteMark);
    if (degreeMark == std::string_view::npos || minuteMark == std::string_view::npos ||
        minuteMark < degreeMark) {
        return 0.0;
    }
    const double sign = (angle[0] == 'S' || angle[0] == 'E') ? -1.0 : 1.0;
    // The letter takes position 0; a mark at 0 leaves no degree digits.
    const std::size_t degreeStart = degreeMark > 0 ? 1 : 0;
    const int wholeDegrees = WholeNumber(angle.substr(degreeStart, degreeMark - degreeStart));
    const int wholeMinutes =
        WholeNumber(angle.substr(degreeMark + 1, minuteMark - degreeMark - 1));
    const double fraction = DecimalNumber(angle.substr(minuteMark + 1));
    return (wholeDegrees + wholeMinutes / 60.0 + fraction * 0.01 / 60.0) * sign;
}

double AngleTextToDegrees(std::string text) {
    return AngleTextToDegrees(text.c_str());
}

double GetDecimalMinutesFromAngle(const char* text) {
    if (text == nullptr) {
        return 0.0;
    }
    const char* degreeMark = std::strchr(text, kDegreeMark);
    if (degreeMark == nullptr) {
        return 0.0;
    }
    const char* minutesText = SkipAtMost(degreeMark, kMinutesAfterDegreeMark);
    const char* minuteMark = std::strchr(text, kMinuteMark);
    if (minuteMark == nullptr) {
        return DecimalNumber(minutesText);
    }
    return WholeNumber(minutesText) + 0.01 * DecimalNumber(minuteMark + 1);
}

double GetDegreeFromAngle(const char* text) {
    return text == nullptr ? 0.0 : DecimalNumber(text);
}

double GetMinuteFromAngle(const char* text) {
    return std::trunc(GetDecimalMinutesFromAngle(text));
}

double GetSecondsFromAngle(const char* text) {
    const double minutes = GetDecimalMinutesFromAngle(text);
    return (minutes - std::trunc(minutes)) * 100.0;
}

double GetTenthOfSecondsFromAngle(const char* text) {
    if (text == nullptr) {
        return 0.0;
    }
    const char* decimalMark = std::strchr(text, kDecimalMark);
    return decimalMark == nullptr ? 0.0 : DecimalNumber(decimalMark + 1);
}
