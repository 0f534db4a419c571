#include <gtest/gtest.h>

#include "flight_plan_fixture.h"

namespace trevalo {
namespace {

using testing::HandRoute;

struct Kinds {
    int kind;
    int flag;
};

// The kind code and flag of each line (the 5th and 6th comma fields).
std::vector<Kinds> KindsOf(const std::vector<std::string>& lines) {
    std::vector<Kinds> kinds;
    for (const std::string& line : lines) {
        std::vector<std::string> fields;
        size_t start = 0;
        for (size_t comma; (comma = line.find(',', start)) != std::string::npos; start = comma + 1)
            fields.push_back(line.substr(start, comma - start));
        kinds.push_back({std::stoi(fields.at(4)), std::stoi(fields.at(5))});
    }
    return kinds;
}

TEST(FltWaypointLines, KindCodesAndFlagsByPosition) {
    const struct {
        int points;
        std::vector<int> kinds;
        std::vector<int> flags;
    } cases[] = {
        {2, {3, 3}, {0, 0}},
        {4, {1, 3, 3, 3}, {0, 8, 8, 0}},
        {5, {1, 3, 2, 3, 3}, {0, 8, 8, 8, 0}},
        {1, {3}, {0}},
    };
    for (const auto& test : cases) {
        testing::FakeLandingPage landing;
        FlightPlan plan(landing);
        std::vector<RouteRecord> route;
        for (int i = 0; i < test.points; ++i)
            route.push_back(testing::Navaid("P" + std::to_string(i), "V", "N047* 30'00.00",
                                            "W122* " + std::to_string(20 + i) + "'00.00"));
        HandRoute(plan, route);
        const auto kinds = KindsOf(plan.FltWaypointLines());
        ASSERT_EQ(kinds.size(), static_cast<size_t>(test.points));
        for (int i = 0; i < test.points; ++i) {
            EXPECT_EQ(kinds[static_cast<size_t>(i)].kind, test.kinds[static_cast<size_t>(i)])
                << test.points << " " << i;
            EXPECT_EQ(kinds[static_cast<size_t>(i)].flag, test.flags[static_cast<size_t>(i)])
                << test.points << " " << i;
        }
    }
}

TEST(FltWaypointLines, LinesOfAPlan) {
    testing::FakeLandingPage landing;
    FlightPlan plan(landing);
    RouteRecord user = testing::ProcedurePoint("S033* 56'30.00", "E018* 36'5.37");
    user.ident = "USER_EXTRA";
    user.type = "I";  // not a procedure point, which a new merge would take out
    user.routeText = "Correction";
    HandRoute(plan, {testing::kSpringfield, testing::kVor, user, testing::kBoeing});
    plan.Values().altitude = "8500 ft";
    EXPECT_EQ(plan.FltWaypointLines(),
              (std::vector<std::string>{
                  "KSPF, N047* 27.57', W122* 18.30', +000350.00,1,0,8500,,0\n",
                  "waypoint.1=SPF, N047* 30.00', W122* 20.00', +000450.00,3,8,8500,SPRINGFIELD,1\n",
                  "waypoint.2=USER, S033* 56.30', E018* 36.05', +000000.00,3,8,8500,Correction,2\n",
                  "waypoint.3=KBFI, N047* 31.48', W122* 18.07', -000011.00,3,0,8500,,3\n",
              }));
}

TEST(FltWaypointLines, FullAndEmptyRoutes) {
    testing::FakeLandingPage landing;
    FlightPlan plan(landing);
    HandRoute(plan, {});
    EXPECT_TRUE(plan.FltWaypointLines().empty());

    std::vector<RouteRecord> route;
    for (int i = 0; i < kMaxRouteRecords; ++i)
        route.push_back(testing::Navaid("P" + std::to_string(i), "V", "N047* 30'00.00", "W122* 20'00.00"));
    HandRoute(plan, route);
    const auto lines = plan.FltWaypointLines();
    ASSERT_EQ(lines.size(), static_cast<size_t>(kMaxRouteRecords));
    EXPECT_EQ(lines.back(), "waypoint.499=P499, N047* 30.00', W122* 20.00', +000450.00,3,0,10000,SPRINGFIELD,499\n");
}

}  // namespace
}  // namespace trevalo
