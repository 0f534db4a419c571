#include "shell/status_panes.h"

#include <cstdio>

namespace trevalo {
namespace {

constexpr int kSecondsPerDegree = 3600;
constexpr int kSecondsPerMinute = 60;
constexpr int kNorthLimitDegrees = 90;                             // from here on the latitude is off the map
constexpr int kSouthLimitDegrees = -89;                            // below this too
constexpr std::int32_t kLongitudeLimit = 180 * kSecondsPerDegree;  // beyond either side

// The numbers are negated for the negative hemisphere (and for 0, which counts there).
std::string FormatPane(char letter, std::int32_t arcSeconds, bool positive) {
    const int sign = positive ? 1 : -1;
    const int degrees = sign * (arcSeconds / kSecondsPerDegree);
    const int minutes = sign * ((arcSeconds % kSecondsPerDegree) / kSecondsPerMinute);
    const int seconds = sign * ((arcSeconds % kSecondsPerDegree) % kSecondsPerMinute);
    char text[32];
    std::snprintf(text, sizeof text, "%c%02d\"%02d'%02d'", letter, degrees, minutes, seconds);
    return text;
}

}  // namespace

std::string FormatLongitudePane(std::int32_t arcSeconds) {
    if (arcSeconds > kLongitudeLimit || arcSeconds < -kLongitudeLimit) return kOutOfMapText;
    const bool east = arcSeconds > 0;
    return FormatPane(east ? 'E' : 'W', arcSeconds, east);
}

std::string FormatLatitudePane(std::int32_t arcSeconds) {
    const int degrees = arcSeconds / kSecondsPerDegree;
    if (degrees >= kNorthLimitDegrees || degrees < kSouthLimitDegrees) return kOutOfMapText;
    const bool north = arcSeconds > 0;
    return FormatPane(north ? 'N' : 'S', arcSeconds, north);
}

}  // namespace trevalo
