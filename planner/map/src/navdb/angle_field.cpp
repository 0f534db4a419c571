#include "navdb/angle_field.h"

#include <cctype>
#include <cmath>
#include <string_view>

#include "navdata/angle_text.h"
#include "platform/numbers.h"

namespace trevalo {

namespace {
constexpr double kArcSecondsPerDegree = 3600.0;
constexpr double kMinutesPerDegree = 60.0;
constexpr double kHundredths = 100.0;
constexpr char kDecimalMark = '.';

bool IsBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }
}  // namespace

AngleField SplitAngleField(const char* field, char fallbackHemisphere) {
    // Blanks after the angle change none of its readings, so only those before it go.
    while (IsBlank(*field)) ++field;
    if (std::isalpha(static_cast<unsigned char>(*field))) return {*field, field + 1};
    return {fallbackHemisphere, field};
}

double DmsToArcSeconds(const char* text, bool withExtraHundredths) {
    // The angle readers' values over one measure of the text: the degrees as
    // GetDegreeFromAngle reads them, whole minutes and hundredths as GetMinuteFromAngle
    // and GetSecondsFromAngle give them from one reading of the minutes, and the digits
    // after the "." as GetTenthOfSecondsFromAngle reads them.
    const std::string_view angle(text);
    const double degrees = platform::LeadingDouble(angle);
    const double decimalMinutes = GetDecimalMinutesFromAngle(angle);
    const double minutes = std::trunc(decimalMinutes);
    double hundredths = (decimalMinutes - minutes) * kHundredths;
    if (withExtraHundredths) {
        const size_t decimalMark = angle.find(kDecimalMark);
        const double extra =
            decimalMark == std::string_view::npos ? 0.0 : platform::LeadingDouble(angle.substr(decimalMark + 1));
        hundredths += extra / kHundredths;
    }
    double fraction = (minutes + hundredths / kHundredths) / kMinutesPerDegree;
    if (degrees < 0) fraction = -fraction;
    return (degrees + fraction) * kArcSecondsPerDegree;
}

double SignedArcSeconds(const AngleField& field, bool withExtraHundredths) {
    const double value = DmsToArcSeconds(field.angle, withExtraHundredths);
    return field.hemisphere == 'W' || field.hemisphere == 'S' ? -value : value;
}

}  // namespace trevalo
