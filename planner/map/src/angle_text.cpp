#include "map/angle_text.h"

#include <cmath>
#include <cstdio>
#include <string_view>

#include "platform/numbers.h"
#include "platform/text.h"

namespace trevalo {

namespace {

constexpr const char* kAngleTextFormat = "%s%03d* %02d'%2.02f";
constexpr char kDegreeMark = '*';
constexpr char kMinuteMark = '\'';
constexpr char kColon = ':';
constexpr double kMinutesPerDegree = 60.0;
constexpr double kHundredthsPerMinute = 100.0;
constexpr double kMinutesPerHundredth = 0.01;

const char* HemisphereLetter(double value, bool isLatitude) {
    if (value > 0.0) return isLatitude ? "N" : "W";
    if (value < 0.0) return isLatitude ? "S" : "E";
    return "";
}

bool IsNegativeHemisphere(char letter) { return letter == 'S' || letter == 'E'; }

bool IsHemisphereLetter(char letter) { return letter == 'N' || letter == 'W' || IsNegativeHemisphere(letter); }

bool BeginsWithMinus(std::string_view text) { return !text.empty() && text.front() == '-'; }

}  // namespace

std::string FormatLatLon(double value, bool isLatitude) {
    const double magnitude = std::fabs(value);
    const double degrees = std::trunc(magnitude);
    const double minutes = (magnitude - degrees) * kMinutesPerDegree;
    const double wholeMinutes = std::trunc(minutes);
    const double hundredths = (minutes - wholeMinutes) * kHundredthsPerMinute;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, kAngleTextFormat, HemisphereLetter(value, isLatitude),
                  platform::SaturatingInt(degrees), platform::SaturatingInt(wholeMinutes), hundredths);
    return buffer;
}

double ParseColonAngle(const std::string& text) {
    const size_t first = text.find(kColon);
    if (first == std::string::npos) return platform::LeadingDouble(text);
    const size_t second = text.find(kColon, first + 1);
    if (second == std::string::npos) return 0.0;
    const double degrees = platform::LeadingDouble(text.substr(0, first));
    const double minutes = platform::LeadingDouble(text.substr(first + 1, second - first - 1));
    const double hundredths = platform::LeadingDouble(text.substr(second + 1));
    const double magnitude = std::fabs(degrees) + (minutes + hundredths * kMinutesPerHundredth) / kMinutesPerDegree;
    // The sign sits on the text, since "-0" degrees carry none.
    return BeginsWithMinus(text) ? -magnitude : magnitude;
}

double ParseLatLonText(const std::string& text) {
    if (text.empty() || !IsHemisphereLetter(text.front())) return 0.0;
    const size_t degreeMark = text.find(kDegreeMark, 1);
    if (degreeMark == std::string::npos) return 0.0;
    const size_t minuteMark = text.find(kMinuteMark, degreeMark + 1);
    if (minuteMark == std::string::npos) return 0.0;

    const std::string degrees = text.substr(1, degreeMark - 1);
    const std::string minutes =
        platform::Trimmed(std::string_view(text).substr(degreeMark + 1, minuteMark - degreeMark - 1));
    const std::string hundredths = text.substr(minuteMark + 1);
    const std::string sign = IsNegativeHemisphere(text.front()) ? "-" : "";
    return ParseColonAngle(sign + degrees + kColon + minutes + kColon + hundredths);
}

}  // namespace trevalo
