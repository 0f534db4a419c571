#include "navdb/angle_field.h"

#include <cctype>

#include "platform/text.h"
#include "scenrix/angle_text.h"

namespace trevalo {

namespace {
constexpr double kArcSecondsPerDegree = 3600.0;
constexpr double kMinutesPerDegree = 60.0;
constexpr double kHundredths = 100.0;
}  // namespace

AngleField SplitAngleField(const char* field, char fallbackHemisphere) {
    std::string text = platform::Trimmed(field);
    AngleField result;
    if (!text.empty() && std::isalpha(static_cast<unsigned char>(text.front()))) {
        result.hemisphere = text.front();
        result.angle = text.substr(1);
    } else {
        result.hemisphere = fallbackHemisphere;
        result.angle = std::move(text);
    }
    return result;
}

double DmsToArcSeconds(const std::string& angle, bool withExtraHundredths) {
    const char* text = angle.c_str();
    const double degrees = GetDegreeFromAngle(text);
    const double minutes = GetMinuteFromAngle(text);
    double hundredths = GetSecondsFromAngle(text);
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
