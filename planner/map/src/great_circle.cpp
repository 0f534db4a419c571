#include "map/great_circle.h"

#include <cmath>
#include <numbers>

#include "map/unit_conversions.h"
#include "sphere_steps.h"

namespace trevalo {

namespace {
constexpr double kRadiansPerNm = std::numbers::pi / 10800.0;
constexpr double kFullCircleDegrees = 360.0;
}  // namespace

double GreatCircleDistance(double lat1, double lon1, double lat2, double lon2) {
    return detail::ClampedAcos(std::sin(lat1) * std::sin(lat2) +
                               std::cos(lat1) * std::cos(lat2) * std::cos(lon1 - lon2)) *
           kEarthRadiusNm;
}

double GreatCircleCourse(double lat1, double lon1, double lat2, double lon2) {
    const double distance = GreatCircleDistance(lat1, lon1, lat2, lon2) * kRadiansPerNm;
    const double denominator = std::sin(distance) * std::cos(lat1);
    if (denominator == 0.0) return 0.0;
    const double c = detail::ClampedAcos((std::sin(lat2) - std::cos(distance) * std::sin(lat1)) / denominator);
    // West-positive longitudes: a point to the east has a smaller longitude.
    const double course = std::sin(lon2 - lon1) < 0.0 ? c : 2.0 * std::numbers::pi - c;
    const double degrees = RadiansToDegrees(course);
    // Due north comes out as a full circle; the course runs from 0 up to (not including) 360.
    return degrees >= kFullCircleDegrees ? degrees - kFullCircleDegrees : degrees;
}

void GreatCircleDestination(double course, double distance, double& latitude, double& longitude) {
    if (distance == 0.0) return;
    const double angularDistance = distance * kRadiansPerNm;
    const double courseRadians = DegreesToRadians(course);
    const double newLatitude = detail::LatitudeReached(DegreesToRadians(latitude), courseRadians, angularDistance);
    const double longitudeChange = detail::LongitudeChange(courseRadians, angularDistance, newLatitude);
    latitude = RadiansToDegrees(newLatitude);
    longitude -= RadiansToDegrees(longitudeChange);
}

}  // namespace trevalo
