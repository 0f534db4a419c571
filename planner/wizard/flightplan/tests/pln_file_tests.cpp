#include <gtest/gtest.h>

#include "flight_plan_fixture.h"
#include "platform/paths.h"
#include "testing/temp_environment.h"

namespace trevalo {
namespace {

using testing::HandRoute;

constexpr const char* kAdf = "C:\\Quillet\\Trip\\Trip.adf";
constexpr const char* kPln = "C:\\Quillet\\Trip\\Trip.pln";

class PlnFileTest : public ::testing::Test {
protected:
    void SetUp() override { env_.writeFile("drive_c/Quillet/Trip/Trip.adf", "\tTITLE_000:\r\nTrip\r\n"); }
    bool PlnExists() const { return std::filesystem::exists(platform::HostPath(kPln)); }
    std::string Pln() const { return platform::testing::TempEnvironment::readFile(platform::HostPath(kPln)); }

    platform::testing::TempEnvironment env_;
    testing::FakeLandingPage landing_;
    FlightPlan plan_{landing_};
};

TEST_F(PlnFileTest, WritesThePlanBesideTheDefinition) {
    HandRoute(plan_, {testing::kSpringfield, testing::kVor, testing::kBoeing});
    plan_.Values().type = "VFR";
    plan_.Values().altitude = "6500.5";
    EXPECT_TRUE(plan_.WriteFlightPlan(kAdf));
    EXPECT_EQ(Pln(),
              "[flightplan]\r\n"
              "title=KSPF to KBFI\r\n"
              "description=KSPF, KBFI\r\n"
              "type=VFR\r\n"
              "routetype=1\r\n"
              "cruising_altitude=6500\r\n"
              "departure_id=KSPF, N047* 27.57', W122* 18.30', +000350.00\r\n"
              "departure_position=\r\n"
              "destination_id=KBFI, N047* 31.48', W122* 18.07', -000011.00\r\n"
              "departure_name=Springfield Regional\r\n"
              "destination_name=Boeing Field\r\n"
              "alternate_name=\r\n"
              "waypoint.0=KSPF, A, N047* 27.57', W122* 18.30', +000350.00, \r\n"
              "waypoint.1=SPF, V, N047* 30.00', W122* 20.00', +000450.00, SPRINGFIELD\r\n"
              "waypoint.2=KBFI, A, N047* 31.48', W122* 18.07', -000011.00, \r\n");
}

TEST_F(PlnFileTest, IncompletePlansAreReportedFalse) {
    const struct {
        const char* name;
        std::vector<RouteRecord> route;
        const char* altitude;
        const char* adf;
        const char* pln;  // null: no file
    } cases[] = {
        {"no definition", {testing::kSpringfield, testing::kBoeing}, "10000", "C:\\Quillet\\None\\None.adf", nullptr},
        {"empty route", {}, "10000", kAdf, nullptr},
        {"altitude cleared",
         {testing::kSpringfield, testing::kBoeing},
         "",
         kAdf,
         "[flightplan]\r\ntitle=KSPF to KBFI\r\ndescription=KSPF, KBFI\r\ntype=IFR\r\nroutetype=1\r\n"},
        {"altitude without a number",
         {testing::kSpringfield, testing::kBoeing},
         "high",
         kAdf,
         "[flightplan]\r\ntitle=KSPF to KBFI\r\ndescription=KSPF, KBFI\r\ntype=IFR\r\nroutetype=1\r\n"},
        {"route not ending at an airport", {testing::kSpringfield, testing::kVor}, "10000", kAdf, "[flightplan]\r\n"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        std::filesystem::remove(platform::HostPath(kPln));
        FlightPlan plan(landing_);
        HandRoute(plan, test.route);
        plan.Values().altitude = test.altitude;
        EXPECT_FALSE(plan.WriteFlightPlan(test.adf));
        EXPECT_EQ(PlnExists(), test.pln != nullptr);
        if (test.pln != nullptr) {
            EXPECT_EQ(Pln(), test.pln);
        }
    }
}

TEST_F(PlnFileTest, ReadOnlyPlanIsKeptAndReported) {
    env_.writeFile("drive_c/Quillet/Trip/Trip.pln", "older");
    std::filesystem::permissions(platform::HostPath(kPln), std::filesystem::perms::owner_read);
    HandRoute(plan_, {testing::kSpringfield, testing::kBoeing});
    EXPECT_FALSE(plan_.WriteFlightPlan(kAdf));
    EXPECT_EQ(Pln(), "older");
}

TEST_F(PlnFileTest, ResetRestoresTheDefaults) {
    HandRoute(plan_, {testing::kSpringfield, testing::kBoeing});
    plan_.Values().altitude = "3000";
    plan_.Values().enabled = false;
    plan_.Reset();
    EXPECT_EQ(plan_.Values().altitude, "10000");
    EXPECT_TRUE(plan_.Values().enabled);
    EXPECT_TRUE(plan_.RouteList().Empty());
    EXPECT_TRUE(plan_.Plan().Empty());
}

}  // namespace
}  // namespace trevalo
