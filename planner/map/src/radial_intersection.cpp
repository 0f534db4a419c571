#include <cmath>
#include <numbers>

#include "map/great_circle.h"
#include "map/unit_conversions.h"
#include "platform/message_box.h"
#include "sphere_steps.h"

namespace trevalo {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTwoPi = 2.0 * std::numbers::pi;
// Below this the radials run apart, along the base line or meet behind a point.
const double kMeetingThreshold = std::sqrt(1e-15);
constexpr const char* kNoIntersectionMessage = "The values given make it imposible to calculate the next waypoint";

double SignedAngle(double angle) { return PositiveModulo(angle + kPi, kTwoPi) - kPi; }

double Square(double x) { return x * x; }

void ReportNoIntersection() {
    platform::MessageBox(kNoIntersectionMessage, {}, platform::MbIcon::Information, platform::MbButtons::Ok);
}

}  // namespace

bool RadialIntersection(int32_t course1, int32_t course2, double& latitude1, double& longitude1, double latitude2,
                        double longitude2) {
    const double lat1 = DegreesToRadians(latitude1);
    const double lon1 = DegreesToRadians(longitude1);
    const double lat2 = DegreesToRadians(latitude2);
    const double lon2 = DegreesToRadians(longitude2);
    const double crs13 = DegreesToRadians(course1);
    const double crs23 = DegreesToRadians(course2);

    const double dst12 =
        2.0 * detail::ClampedAsin(std::sqrt(Square(std::sin((lat1 - lat2) / 2.0)) +
                                            std::cos(lat1) * std::cos(lat2) * Square(std::sin((lon1 - lon2) / 2.0))));
    const double crs12 = DegreesToRadians(GreatCircleCourse(lat1, lon1, lat2, lon2));
    const double crs21 = DegreesToRadians(GreatCircleCourse(lat2, lon2, lat1, lon1));

    double ang1 = SignedAngle(crs13 - crs12);
    double ang2 = SignedAngle(crs21 - crs23);
    if (std::sin(ang1) * std::sin(ang2) <= kMeetingThreshold) {
        ReportNoIntersection();
        return false;
    }
    ang1 = std::fabs(ang1);
    ang2 = std::fabs(ang2);
    const double ang3 =
        detail::ClampedAcos(std::sin(ang1) * std::sin(ang2) * std::cos(dst12) - std::cos(ang1) * std::cos(ang2));
    const double sinAng3 = std::sin(ang3);
    if (sinAng3 == 0.0) {
        // The third angle vanishes only when the radials start at one point and run apart.
        ReportNoIntersection();
        return false;
    }
    const double dst13 = detail::ClampedAsin(std::sin(dst12) * std::sin(ang2) / sinAng3);
    const double lat3 = detail::LatitudeReached(lat1, crs13, dst13);
    const double lon3 = SignedAngle(lon1 - detail::LongitudeChange(crs13, dst13, lat3));
    latitude1 = RadiansToDegrees(lat3);
    longitude1 = RadiansToDegrees(lon3);
    return true;
}

}  // namespace trevalo
