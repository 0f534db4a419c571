#include "wizardcore/briefing_estimate.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using trevalo::CRoutePoint;

// Points on the equator, longitude in minutes of arc: one nautical mile each.
CRoutePoint At(double minutesEast, double type = trevalo::kPointAirport) {
    CRoutePoint point;
    point.x = minutesEast * 60.0;
    point.y = 0.0;
    point.type = type;
    return point;
}

TEST(BriefingEstimate, SumsTheLegsBetweenAirportsOnly) {
    const std::vector<CRoutePoint> route = {At(0), At(50, trevalo::kPointVor), At(200), At(-40, trevalo::kPointNdb)};
    ASSERT_TRUE(trevalo::AirportLegsDistance(route).has_value());
    EXPECT_NEAR(*trevalo::AirportLegsDistance(route), 200.0, 1e-6);
    EXPECT_EQ(trevalo::RouteEstimate(route, "100"), "02:40 hr(s)");

    const std::vector<CRoutePoint> short_hop = {At(0), At(10)};
    EXPECT_EQ(trevalo::RouteEstimate(short_hop, "200"), "43 mins");
    // The first point counts as the start even when it is a navaid.
    const std::vector<CRoutePoint> fromNavaid = {At(-10, trevalo::kPointVor), At(0)};
    EXPECT_NEAR(*trevalo::AirportLegsDistance(fromNavaid), 10.0, 1e-6);
}

TEST(BriefingEstimate, ShortRoutesHaveNone) {
    EXPECT_EQ(trevalo::RouteEstimate({}, "100"), "N/A");
    const std::vector<CRoutePoint> one = {At(0)};
    EXPECT_EQ(trevalo::RouteEstimate(one, "100"), "N/A");
}

}  // namespace
