#include <gtest/gtest.h>

#include "map/route.h"
#include "platform/message_box.h"
#include "route_fixture.h"

namespace trevalo::testing {
namespace {

using RouteValidationTest = RouteWorldTest;

TEST_F(RouteValidationTest, HandsEveryPointToTheFlightPlanPageAndEndsTheList) {
    CRoutePoint unnumbered = NavaidPoint(*database_, ndbOt_);
    unnumbered.databaseNumber = 0;
    route_->Points() = {AirportPoint(*database_, spf_, true), NavaidPoint(*database_, vorSpf_, 10, kVor2Role),
                        AirportPoint(*database_, otr_, false), unnumbered, NavaidPoint(*database_, ndbOt_)};
    route_->ValidateTrip();
    ASSERT_EQ(flightPlan_.records.size(), 4u);
    const RouteRecordCall& airport = flightPlan_.records[0];
    EXPECT_EQ(airport.index, 0);
    EXPECT_EQ(airport.altitude, 1234);
    EXPECT_EQ(airport.ident, "KSPF");
    EXPECT_EQ(airport.type, "A");
    // Runway end 2 is in use.
    EXPECT_EQ(airport.latitude, "N047* 27'14.00");
    EXPECT_EQ(airport.longitude, "W122* 18'11.00");
    EXPECT_EQ(flightPlan_.records[2].latitude, "N046* 00'30.00");
    const RouteRecordCall& vor = flightPlan_.records[1];
    EXPECT_EQ(vor.ident, "SPF");
    EXPECT_EQ(vor.type, "V");
    EXPECT_EQ(vor.extra, kVor2Role);
    EXPECT_EQ(vor.routeText, "SPRINGFIELD");
    EXPECT_EQ(vor.recordLine.size(), 170u);
    // Up to the first point without a database number, then the end record.
    EXPECT_EQ(flightPlan_.records[3].index, 3);
    EXPECT_EQ(flightPlan_.records[3].altitude, -1);
}

TEST_F(RouteValidationTest, AnAirportThatIsNoLongerLoadedEmptiesTheRoute) {
    CRoutePoint gone = AirportPoint(*database_, otr_, false);
    gone.databaseNumber = 4;
    route_->Points() = {AirportPoint(*database_, spf_, true), gone};
    platform::MessageBoxRecorder boxes;
    route_->ValidateTrip();
    EXPECT_EQ(route_->Count(), 0);
    ASSERT_EQ(boxes.texts().size(), 1u);
    EXPECT_EQ(boxes.texts()[0].rfind("Your previously loaded trip is no longer valid.", 0), 0u);
}

}  // namespace
}  // namespace trevalo::testing
