#include "map/great_circle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "map/unit_conversions.h"

namespace trevalo {
namespace {

// Difference of two courses in degrees, across the 0/360 seam.
double CourseDifference(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return std::min(d, 360.0 - d);
}

double DistanceDegrees(double lat1, double lon1, double lat2, double lon2) {
    return GreatCircleDistance(DegreesToRadians(lat1), DegreesToRadians(lon1), DegreesToRadians(lat2),
                               DegreesToRadians(lon2));
}

double CourseDegrees(double lat1, double lon1, double lat2, double lon2) {
    return GreatCircleCourse(DegreesToRadians(lat1), DegreesToRadians(lon1), DegreesToRadians(lat2),
                             DegreesToRadians(lon2));
}

struct DistanceCase {
    const char* name;
    double lat1, lon1, lat2, lon2;  // degrees, west-positive
    double nauticalMiles;
};

TEST(GreatCircleDistance, KnownDistances) {
    const DistanceCase cases[] = {
        {"one degree along the equator", 0, 0, 0, 1, 60},
        {"one degree along a meridian", 0, 0, 1, 0, 60},
        {"equator to pole", 0, 0, 90, 0, 5400},
        {"antipodes", 0, 0, 0, 180, 10800},
        {"across the date line", 0, 179.5, 0, -179.5, 60},
        {"a point to itself", 47.5, -8.5, 47.5, -8.5, 0},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(DistanceDegrees(c.lat1, c.lon1, c.lat2, c.lon2), c.nauticalMiles, 1e-3) << c.name;
    }
}

TEST(GreatCircleDistance, PointToItselfIsNeverNaN) {
    // Rounding pushes the cosine of zero distance above 1 at some latitudes.
    for (double lat = -89.0; lat <= 89.0; lat += 0.37) {
        const double d = DistanceDegrees(lat, 12.34, lat, 12.34);
        ASSERT_FALSE(std::isnan(d)) << lat;
        EXPECT_NEAR(d, 0.0, 1e-3) << lat;
    }
}

struct CourseCase {
    const char* name;
    double lat1, lon1, lat2, lon2;
    double course;
};

TEST(GreatCircleCourse, KnownCourses) {
    const CourseCase cases[] = {
        {"due north on the equator", 0, 0, 1, 0, 0},
        {"east is negative longitude", 0, 0, 0, -1, 90},
        {"west is positive longitude", 0, 0, 0, 1, 270},
        {"due south", 10, 5, 9, 5, 180},
        {"coincident points", 0, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        const double course = CourseDegrees(c.lat1, c.lon1, c.lat2, c.lon2);
        EXPECT_NEAR(course, c.course, 1e-6) << c.name;
    }
}

TEST(GreatCircleCourse, StaysBelowFullCircle) {
    // Due north at any latitude, where rounding leaves a course near 0 or 360.
    for (double lat = -60.0; lat <= 60.0; lat += 7.5) {
        const double course = CourseDegrees(lat, -8.0, lat + 1.0, -8.0);
        EXPECT_GE(course, 0.0) << lat;
        EXPECT_LT(course, 360.0) << lat;
        EXPECT_NEAR(CourseDifference(course, 0.0), 0.0, 1e-4) << lat;
    }
}

struct Move {
    double lat, lon, course, distance;
};

void PrintTo(const Move& m, std::ostream* os) {
    *os << m.distance << " nm on " << m.course << " from (" << m.lat << ", " << m.lon << ")";
}

class GreatCircleDestinationTest : public ::testing::TestWithParam<Move> {};

TEST_P(GreatCircleDestinationTest, LandsAtDistanceAlongCourse) {
    const Move m = GetParam();
    double lat = m.lat;
    double lon = m.lon;
    GreatCircleDestination(m.course, m.distance, lat, lon);
    EXPECT_NEAR(DistanceDegrees(m.lat, m.lon, lat, lon), m.distance, 1e-6 * m.distance + 1e-4);
    EXPECT_NEAR(CourseDifference(CourseDegrees(m.lat, m.lon, lat, lon), m.course), 0.0, 1e-5);
}

INSTANTIATE_TEST_SUITE_P(Moves, GreatCircleDestinationTest,
                         ::testing::Values(Move{60, 0, 90, 100}, Move{60, 0, 90, 1000}, Move{60, 10, 45, 1000},
                                           Move{-35, -150, 300, 750}, Move{47.5, -8.5, 200, 20}, Move{0, 0, 0, 60},
                                           Move{10, 170, 270, 900}, Move{75, 20, 135, 400}));

TEST(GreatCircleDestination, KnownDestinations) {
    struct Case {
        const char* name;
        Move move;
        double lat, lon;
    };
    const Case cases[] = {
        {"zero distance leaves the point", {47.5, -8.5, 123, 0}, 47.5, -8.5},
        {"east along the equator", {0, 0, 90, 60}, 0, -1},
        {"north along a meridian", {0, 8, 0, 60}, 1, 8},
        {"west at 60 north starts along the parallel", {60, 0, 270, 0.6}, 60, 0.02},
    };
    for (const auto& c : cases) {
        double lat = c.move.lat;
        double lon = c.move.lon;
        GreatCircleDestination(c.move.course, c.move.distance, lat, lon);
        EXPECT_NEAR(lat, c.lat, 1e-5) << c.name;
        EXPECT_NEAR(lon, c.lon, 1e-5) << c.name;
    }
}

}  // namespace
}  // namespace trevalo
