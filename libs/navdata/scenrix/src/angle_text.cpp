#include "scenrix/angle_text.h"

#include <cmath>
#include <cstring>

#include "navdata/angle_text.h"
#include "platform/numbers.h"

namespace {
constexpr char kDecimalMark = '.';
}  // namespace

double GetDegreeFromAngle(const char* text) { return text == nullptr ? 0.0 : platform::LeadingDouble(text); }

double GetMinuteFromAngle(const char* text) { return std::trunc(GetDecimalMinutesFromAngle(text)); }

double GetSecondsFromAngle(const char* text) {
    const double minutes = GetDecimalMinutesFromAngle(text);
    return (minutes - std::trunc(minutes)) * 100.0;
}

double GetTenthOfSecondsFromAngle(const char* text) {
    if (text == nullptr) {
        return 0.0;
    }
    const char* decimalMark = std::strchr(text, kDecimalMark);
    return decimalMark == nullptr ? 0.0 : platform::LeadingDouble(decimalMark + 1);
}
