// Making the plan from the route list: procedure points merged in, navaids passed over,
// turn corrections added.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "flight_plan_fixture.h"
#include "map/angle_text.h"
#include "map/great_circle.h"

namespace trevalo {
namespace {

using testing::HandRoute;
using testing::Idents;
using Strings = std::vector<std::string>;

RouteRecord Named(RouteRecord record, const std::string& ident) {
    record.ident = ident;
    return record;
}

TEST(FlightPlanBuilding, ProcedurePointsGoAfterDeparturesAndBeforeLandings) {
    testing::FakeLandingPage landing;
    landing.defaultLanding = false;
    landing.points[0] = {Named(testing::ProcedurePoint("N047* 28'00.00", "W122* 19'00.00"), "SID1")};
    landing.points[1] = {Named(testing::ProcedurePoint("N047* 31'00.00", "W122* 18'20.00"), "STAR1"),
                         Named(testing::ProcedurePoint("N047* 31'30.00", "W122* 18'10.00"), "STAR2")};
    FlightPlan plan(landing);
    const std::vector<RouteRecord> route = {testing::kSpringfield, testing::kVor, testing::kBoeing};
    HandRoute(plan, route);
    const Strings merged = {"KSPF", "SID1", "SPF", "STAR1", "STAR2", "KBFI"};
    EXPECT_EQ(Idents(plan.RouteList()), merged);
    // Showing the page again merges again without doubling the points; so does the next
    // hand-over of the route.
    plan.Refresh();
    EXPECT_EQ(Idents(plan.RouteList()), merged);
    HandRoute(plan, route);
    EXPECT_EQ(Idents(plan.RouteList()), merged);

    landing.defaultLanding = true;
    plan.Refresh();
    EXPECT_EQ(Idents(plan.RouteList()), (Strings{"KSPF", "SPF", "KBFI"}));
}

TEST(FlightPlanBuilding, AFullRouteTakesNoProcedurePoints) {
    testing::FakeLandingPage landing;
    landing.defaultLanding = false;
    landing.points[0] = {testing::ProcedurePoint("N047* 28'00.00", "W122* 19'00.00")};
    FlightPlan plan(landing);
    std::vector<RouteRecord> route{testing::kSpringfield};
    for (int i = 1; i < kMaxRouteRecords; ++i)
        route.push_back(testing::Navaid("P" + std::to_string(i), "V", "N047* 30'00.00", "W122* 20'00.00"));
    HandRoute(plan, route);
    EXPECT_EQ(plan.RouteList().Count(), kMaxRouteRecords);
    EXPECT_EQ(plan.RouteList().At(1).ident, "P1");
}

TEST(FlightPlanBuilding, PlanPassesOverNdbsSecondVorsAndRepeats) {
    testing::FakeLandingPage landing;
    FlightPlan plan(landing);
    HandRoute(plan,
              {testing::kSpringfield, testing::Navaid("NDB1", "N", "N047* 29'00.00", "W122* 19'00.00"),
               testing::Navaid("VOR1", "V", "N047* 30'00.00", "W122* 20'00.00", "VOR1"),
               testing::Navaid("VOR2", "V", "N047* 30'30.00", "W122* 20'30.00", "VOR2"),
               testing::Navaid("NDB2", "N", "N047* 31'00.00", "W122* 19'00.00"), testing::kBoeing, testing::kBoeing});
    EXPECT_EQ(Idents(plan.Plan()), (Strings{"KSPF", "VOR1", "NDB2", "KBFI"}));
    EXPECT_EQ(plan.RouteList().Count(), 7);  // the route list keeps them all
    EXPECT_EQ(plan.Values().title, "KSPF to KBFI");
    EXPECT_EQ(plan.Values().description, "Springfield Regional, Boeing Field");
    EXPECT_EQ(plan.PreviewLines(),
              (Strings{"routetype=1", "departure_name=Springfield Regional", "destination_name=Boeing Field",
                       "waypoint.0, KSPF, A, N047* 27'57.00, W122* 18'30.00, +000350.00, ",
                       "waypoint.1, VOR1, V, N047* 30'00.00, W122* 20'00.00, +000450.00, SPRINGFIELD",
                       "waypoint.2, NDB2, N, N047* 31'00.00, W122* 19'00.00, +000450.00, SPRINGFIELD",
                       "waypoint.3, KBFI, A, N047* 31'48.00, W122* 18'07.00, -000011.00, "}));
    EXPECT_EQ(plan.HighestAltitude(), 450);
}

TEST(FlightPlanBuilding, RouteStartingAtANavaidIsNamedByItsIdent) {
    testing::FakeLandingPage landing;
    FlightPlan plan(landing);
    HandRoute(plan, {testing::kVor, testing::kSpringfield, testing::kVor});
    EXPECT_EQ(plan.Values().title, "SPF to ...");
    EXPECT_EQ(plan.Values().description, "SPF, ...");
    EXPECT_EQ(plan.PreviewLines().at(1), "departure_name=SPF");
    HandRoute(plan, {});
    EXPECT_TRUE(plan.PreviewLines().empty());
    EXPECT_EQ(plan.Values().title, "");
}

TEST(FlightPlanBuilding, NavaidBehindItsProcedurePointIsDropped) {
    testing::FakeLandingPage landing;
    landing.defaultLanding = false;
    // The STAR starts nearer the landing airport than the VOR before it: the VOR stays.
    // One that starts farther out makes the VOR needless.
    const RouteRecord nearStart = Named(testing::ProcedurePoint("N047* 31'30.00", "W122* 18'10.00"), "NEAR");
    const RouteRecord farStart = Named(testing::ProcedurePoint("N047* 45'00.00", "W122* 40'00.00"), "FAR");
    for (const auto& [start, expected] : {std::pair{nearStart, Strings{"KSPF", "SPF", "NEAR", "KBFI"}},
                                          std::pair{farStart, Strings{"KSPF", "FAR", "KBFI"}}}) {
        landing.points[1] = {start};
        FlightPlan plan(landing);
        HandRoute(plan, {testing::kSpringfield, testing::kVor, testing::kBoeing});
        EXPECT_EQ(Idents(plan.Plan()), expected) << start.ident;
    }
}

double DistanceNm(const RouteRecord& a, const RouteRecord& b) {
    constexpr double kRadians = std::numbers::pi / 180.0;
    return GreatCircleDistance(ParseLatLonText(a.latitude) * kRadians, ParseLatLonText(a.longitude) * kRadians,
                               ParseLatLonText(b.latitude) * kRadians, ParseLatLonText(b.longitude) * kRadians);
}

TEST(FlightPlanBuilding, SharpTurnIntoAStarGetsTwoCorrectionPoints) {
    // The VOR lies north of the STAR's first point; the airport lies east of it (a turn of
    // 90 degrees) or straight on south (no turn).
    const RouteRecord vor = testing::Navaid("VOR", "V", "N048* 00'00.00", "W122* 00'00.00");
    const RouteRecord star = Named(testing::ProcedurePoint("N047* 30'00.00", "W122* 00'00.00"), "STAR");
    const RouteRecord east = testing::Airport("KEST", "East", "N047* 30'00.00", "W121* 50'00.00");
    const RouteRecord south = testing::Airport("KSTH", "South", "N047* 20'00.00", "W122* 00'00.00");
    testing::FakeLandingPage landing;
    landing.defaultLanding = false;
    landing.points[1] = {star};

    FlightPlan straight(landing);
    HandRoute(straight, {testing::kSpringfield, vor, south});
    EXPECT_EQ(Idents(straight.Plan()), (Strings{"KSPF", "VOR", "STAR", "KSTH"}));

    FlightPlan turning(landing);
    HandRoute(turning, {testing::kSpringfield, vor, east});
    ASSERT_EQ(Idents(turning.Plan()), (Strings{"KSPF", "VOR", "USER_EXTRA", "USER_EXTRA", "STAR", "KEST"}));
    const RouteRecord& far = turning.Plan().At(2);
    const RouteRecord& near = turning.Plan().At(3);
    for (const RouteRecord* correction : {&far, &near}) {
        EXPECT_EQ(correction->type, "U");
        EXPECT_EQ(correction->altitude, 0);
        EXPECT_EQ(correction->routeText, "Correction");
    }
    EXPECT_NEAR(DistanceNm(far, star), 30.0, 0.1);
    EXPECT_NEAR(DistanceNm(near, star), 15.0, 0.1);
    // Both lie on the outer side of the turn, away from the airport.
    EXPECT_GT(DistanceNm(far, east), DistanceNm(star, east));
}

}  // namespace
}  // namespace trevalo
