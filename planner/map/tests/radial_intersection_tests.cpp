#include <gtest/gtest.h>

#include <cmath>

#include "map/great_circle.h"
#include "map/unit_conversions.h"
#include "platform/message_box.h"

namespace trevalo {
namespace {

constexpr const char* kNoIntersection = "The values given make it imposible to calculate the next waypoint";

struct Radials {
    const char* name;
    int32_t course1;
    double lat1, lon1;
    int32_t course2;
    double lat2, lon2;
};

double CourseDifference(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return std::min(d, 360.0 - d);
}

double CourseDegrees(double lat1, double lon1, double lat2, double lon2) {
    return GreatCircleCourse(DegreesToRadians(lat1), DegreesToRadians(lon1), DegreesToRadians(lat2),
                             DegreesToRadians(lon2));
}

TEST(RadialIntersection, KnownIntersections) {
    struct Case {
        Radials radials;
        double lat, lon;
    };
    // Right triangle on the equator: tan(lat) = sin(half base) x tan(45 degrees).
    const double apexLatitude = RadiansToDegrees(std::atan(std::sin(DegreesToRadians(1.0))));
    // A westbound start is the vertex of its great circle: tan(lat) = tan(20) x cos(dlon).
    const double westboundLatitude =
        RadiansToDegrees(std::atan(std::tan(DegreesToRadians(20.0)) * std::cos(DegreesToRadians(10.0))));
    const Case cases[] = {
        {{"east along the equator meets north along 5 E", 90, 0, 0, 0, -10, -5}, 0, -5},
        {{"symmetric radials over a 2 degree base", 45, 0, 0, 315, 0, -2}, apexLatitude, -1},
        {{"west meets south along 10 W", 270, 20, 0, 180, 30, 10}, westboundLatitude, 10},
    };
    for (const auto& c : cases) {
        platform::MessageBoxRecorder recorder;
        double lat = c.radials.lat1;
        double lon = c.radials.lon1;
        EXPECT_TRUE(RadialIntersection(c.radials.course1, c.radials.course2, lat, lon, c.radials.lat2, c.radials.lon2));
        EXPECT_NEAR(lat, c.lat, 1e-9) << c.radials.name;
        EXPECT_NEAR(lon, c.lon, 1e-9) << c.radials.name;
        EXPECT_TRUE(recorder.shown().empty()) << c.radials.name;
    }
}

TEST(RadialIntersection, ResultLiesOnBothRadials) {
    const Radials cases[] = {
        {"across the north sea", 60, 52.3, -4.8, 300, 53.4, -9.9},
        {"southern hemisphere", 135, -33.9, -151.2, 225, -33.0, -153.0},
        {"wide base", 10, 40.0, 75.0, 340, 41.0, 60.0},
    };
    for (const auto& c : cases) {
        double lat = c.lat1;
        double lon = c.lon1;
        RadialIntersection(c.course1, c.course2, lat, lon, c.lat2, c.lon2);
        EXPECT_NEAR(CourseDifference(CourseDegrees(c.lat1, c.lon1, lat, lon), c.course1), 0, 1e-6) << c.name;
        EXPECT_NEAR(CourseDifference(CourseDegrees(c.lat2, c.lon2, lat, lon), c.course2), 0, 1e-6) << c.name;
    }
}

TEST(RadialIntersection, RadialsThatDoNotMeetAheadLeaveThePoint) {
    const Radials cases[] = {
        {"parallel along the base line", 90, 0, 0, 90, 0, -1},
        {"running apart", 270, 0, 0, 90, 0, -1},
        {"meeting at the first point only", 0, 0, 0, 270, 0, -10},
        {"one start point, opposite courses", 90, 10, 10, 270, 10, 10},
    };
    for (const auto& c : cases) {
        platform::MessageBoxRecorder recorder;
        double lat = c.lat1;
        double lon = c.lon1;
        EXPECT_FALSE(RadialIntersection(c.course1, c.course2, lat, lon, c.lat2, c.lon2)) << c.name;
        EXPECT_EQ(lat, c.lat1) << c.name;
        EXPECT_EQ(lon, c.lon1) << c.name;
        const auto shown = recorder.shown();
        ASSERT_EQ(shown.size(), 1u) << c.name;
        EXPECT_EQ(shown[0].text, kNoIntersection);
        EXPECT_EQ(shown[0].icon, platform::MbIcon::Information);
        EXPECT_EQ(shown[0].buttons, platform::MbButtons::Ok);
    }
}

}  // namespace
}  // namespace trevalo
