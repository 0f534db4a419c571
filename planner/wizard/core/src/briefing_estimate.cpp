#include "wizardcore/briefing_estimate.h"

#include <numbers>

#include "adf/briefing_file.h"
#include "map/great_circle.h"

namespace trevalo {
namespace {

constexpr double kRadiansPerArcSecond = std::numbers::pi / 180.0 / 3600.0;

double Distance(const CRoutePoint& from, const CRoutePoint& to) {
    // The route's longitudes are east-positive; a distance does not care.
    return GreatCircleDistance(from.y * kRadiansPerArcSecond, from.x * kRadiansPerArcSecond,
                               to.y * kRadiansPerArcSecond, to.x * kRadiansPerArcSecond);
}

}  // namespace

std::optional<double> AirportLegsDistance(std::span<const CRoutePoint> points) {
    if (points.size() < 2) return std::nullopt;
    double distance = 0.0;
    const CRoutePoint* from = &points.front();
    for (const CRoutePoint& point : points.subspan(1)) {
        if (!point.IsAirport()) continue;
        distance += Distance(*from, point);
        from = &point;
    }
    return distance;
}

std::string RouteEstimate(std::span<const CRoutePoint> points, std::string_view cruiseSpeedText) {
    return adf::EstimateText(AirportLegsDistance(points), cruiseSpeedText);
}

}  // namespace trevalo
