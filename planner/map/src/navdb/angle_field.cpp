#include "navdb/angle_field.h"

#include <cctype>
#include <cmath>

#include "navdata/angle_text.h"
#include "scenrix/angle_text.h"

namespace trevalo {

namespace {
constexpr double kArcSecondsPerDegree = 3600.0;
constexpr double kMinutesPerDegree = 60.0;
constexpr double kHundredths = 100.0;

bool IsBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }
}  // namespace

AngleField SplitAngleField(const char* field, char fallbackHemisphere) {
    // Blanks after the angle change none of its readings, so only those before it go.
    while (IsBlank(*field)) ++field;
    if (std::isalpha(static_cast<unsigned char>(*field))) return {*field, field + 1};
    return {fallbackHemisphere, field};
}

double DmsToArcSeconds(const char* text, bool withExtraHundredths) {
    const double degrees = GetDegreeFromAngle(text);
    // Whole minutes and hundredths as GetMinuteFromAngle and GetSecondsFromAngle give
    // them, from one reading of the minutes.
    const double decimalMinutes = GetDecimalMinutesFromAngle(text);
    const double minutes = std::trunc(decimalMinutes);
    double hundredths = (decimalMinutes - minutes) * kHundredths;
    if (withExtraHundredths) hundredths += GetTenthOfSecondsFromAngle(text) / kHundredths;
    double fraction = (minutes + hundredths / kHundredths) / kMinutesPerDegree;
    if (degrees < 0) fraction = -fraction;
    return (degrees + fraction) * kArcSecondsPerDegree;
}

double SignedArcSeconds(const AngleField& field, bool withExtraHundredths) {
    const double value = DmsToArcSeconds(field.angle, withExtraHundredths);
    return field.hemisphere == 'W' || field.hemisphere == 'S' ? -value : value;
}

}  // namespace trevalo
