// The real-time page's values, a live view of the running simulator; none of them goes
// into the definition.
#pragma once

#include <string>

namespace adf {

inline constexpr int kMaxRefreshInterval = 60;

struct RealTimeValues {
    int refreshInterval = 5;  // seconds, 0 to kMaxRefreshInterval; 0 stops the refresh
    double latitude = 0.0;    // degrees
    double longitude = 0.0;   // degrees
    double altitude = 0.0;    // feet or metres, as the page's unit says
    int pause = 0;
    double speed = 0.0;  // knots, indicated, true or ground speed as the page says
    std::string helpText{};

    bool operator==(const RealTimeValues&) const = default;
};

}  // namespace adf
