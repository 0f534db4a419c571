#include "map/sidstar_recalculate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "map/great_circle.h"
#include "platform/message_box.h"

namespace trevalo {
namespace {

constexpr const char* kNoReference = "Please enter a valid ID first.\n(Enter this on the previous value).";
constexpr const char* kImpossible =
    "The values you gave make it imposible to calculate a new waypoint,\n"
    "Please enter some new values and press 'recalculate'.";

double Radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

// The previous leg: at (47, 122) with From navaid X at (47.5, 122.5).
ProcedureLeg Previous(double distance, double radial, double heading = 0) {
    ProcedureLeg leg;
    leg.latitude = 47.0;
    leg.longitude = 122.0;
    leg.heading = heading;
    leg.nextIdent = "X";
    leg.nextLatitude = 47.5;
    leg.nextLongitude = 122.5;
    leg.nextDistance = distance;
    leg.nextRadial = radial;
    return leg;
}

double DistanceFromX(const RecalculatedPosition& p) {
    return GreatCircleDistance(Radians(47.5), Radians(122.5), Radians(p.latitude), Radians(p.westLongitude));
}

double CourseFromX(const RecalculatedPosition& p) {
    return GreatCircleCourse(Radians(47.5), Radians(122.5), Radians(p.latitude), Radians(p.westLongitude));
}

TEST(RecalculateTest, DistanceOnTheRadialFromTheNavaid) {
    struct Case {
        double variation;
        bool useVariation;
        double course;
    };
    for (const Case& c : {Case{5, false, 90}, Case{5, true, 95}, Case{-10, true, 80}}) {
        platform::MessageBoxRecorder recorder;
        const RecalculatedPosition p = RecalculateLegPosition(Previous(10, 90), c.variation, c.useVariation);
        ASSERT_EQ(p.outcome, RecalculateOutcome::Placed);
        EXPECT_NEAR(DistanceFromX(p), 10.0, 1e-6);
        EXPECT_NEAR(CourseFromX(p), c.course, 1e-6);
        EXPECT_TRUE(recorder.texts().empty());
    }
}

TEST(RecalculateTest, HeadingLineMeetsTheRadial) {
    // Flying north from (47, 122) meets the 90 radial of X (half a degree north and west).
    const RecalculatedPosition p = RecalculateLegPosition(Previous(0, 90, 360), 0, true);
    ASSERT_EQ(p.outcome, RecalculateOutcome::Placed);
    EXPECT_NEAR(p.westLongitude, 122.0, 1e-6);
    EXPECT_NEAR(CourseFromX(p), 90.0, 1e-6);
    EXPECT_GT(p.latitude, 47.4);
}

TEST(RecalculateTest, BothZeroIsTheNavaidItself) {
    const RecalculatedPosition p = RecalculateLegPosition(Previous(0, 0), 5, true);
    ASSERT_EQ(p.outcome, RecalculateOutcome::Placed);
    EXPECT_DOUBLE_EQ(p.latitude, 47.5);
    EXPECT_DOUBLE_EQ(p.westLongitude, 122.5);
}

TEST(RecalculateTest, FailuresSayWhy) {
    struct Case {
        const char* what;
        ProcedureLeg previous;
        RecalculateOutcome outcome;
        const char* message;
    };
    ProcedureLeg noFrom = Previous(10, 90);
    noFrom.nextIdent.clear();
    const Case cases[] = {
        {"no From navaid", noFrom, RecalculateOutcome::NoReference, kNoReference},
        {"a distance without a radial", Previous(10, 0), RecalculateOutcome::Impossible, kImpossible},
        {"a heading away from the radial", Previous(0, 90, 270), RecalculateOutcome::Impossible,
         "The values given make it imposible to calculate the next waypoint"},
    };
    for (const Case& c : cases) {
        platform::MessageBoxRecorder recorder;
        EXPECT_EQ(RecalculateLegPosition(c.previous, 0, false).outcome, c.outcome) << c.what;
        EXPECT_EQ(recorder.texts(), std::vector<std::string>{c.message}) << c.what;
    }
}

}  // namespace
}  // namespace trevalo
