#include "gps_section.h"

#include <algorithm>
#include <string_view>

namespace flitmark {
namespace {

constexpr std::string_view kDepartureKey = "departure_id=";
constexpr std::string_view kWaypointKey = "waypoint.";

// The departure position: what follows the key on the last line that holds it.
std::string DeparturePosition(const std::vector<std::string>& planLines) {
    for (auto it = planLines.rbegin(); it != planLines.rend(); ++it)
        if (const size_t at = it->find(kDepartureKey); at != std::string::npos)
            return it->substr(at + kDepartureKey.size());
    return {};
}

}  // namespace

std::vector<std::string> GpsSectionLines(const std::string& fltName, const std::vector<std::string>& planLines) {
    const auto waypoints = std::count_if(planLines.begin(), planLines.end(), [](const std::string& line) {
        return line.find(kWaypointKey) != std::string::npos;
    });
    return {"",
            "[GPS_Engine]",
            "Filename=" + fltName,
            "position=" + DeparturePosition(planLines),
            "Time=40199",
            "CountWP=" + std::to_string(waypoints),
            "NextWP=1",
            "WpInfo0=38, 0, 15239, 0, 40163, 1555.0, 0.0, 0.0"};
}

}  // namespace flitmark
