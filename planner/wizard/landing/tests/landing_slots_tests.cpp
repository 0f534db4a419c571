// The landing slots against routes: rows and slots that follow the airports, the 50-slot
// bound, the procedures handed on, and the runway the selection dialog is opened for.
#include <gtest/gtest.h>

#include <array>

#include "landing/landing_slots.h"
#include "map/angle_text.h"
#include "map/sidstar_leg_line.h"
#include "nav_world.h"

namespace trevalo {
namespace {

CRoutePoint Airport(const std::string& ident, int databaseNumber = 1, bool directionFlag = true) {
    CRoutePoint point;
    point.type = kPointAirport;
    point.ident = ident;
    point.databaseNumber = databaseNumber;
    point.directionFlag = directionFlag;
    return point;
}

CRoutePoint Vor() {
    CRoutePoint point;
    point.type = kPointVor;
    point.ident = "SPF";
    return point;
}

// n legs of a procedure, one degree apart, as the selection dialog hands them.
std::array<fileval, kLegStorageSize> Legs(int n) {
    std::array<fileval, kLegStorageSize> legs;
    for (int i = 0; i < n && i < kLegStorageSize; ++i) {
        ProcedureLeg leg;
        leg.latitude = 47.0 + i * 0.01;
        leg.longitude = 122.5;
        FillLegRecord(legs[static_cast<std::size_t>(i)], i + 1, leg, "PROC1");
    }
    return legs;
}

TEST(LandingSlotsTest, RowsFollowTheRouteAirportsAlternatingSidAndStar) {
    adf::LandingValues values;
    const std::vector<CRoutePoint> route = {Airport("KSPF"), Vor(), Airport("KBFI"), Airport("KBFI"), Airport("KSEA")};
    const std::vector<LandingRow> rows = RefreshLandingSlots(values, route);
    const std::vector<LandingRow> expected = {
        {"KSPF", "SID", "N/A", 0}, {"KBFI", "STAR", "N/A", 1}, {"KBFI", "SID", "N/A", 2}, {"KSEA", "STAR", "N/A", 3}};
    EXPECT_EQ(rows, expected);
    // A slot keeps its procedure while its airport stays; a changed airport starts again.
    StoreProcedure(values.airports[1], "ARR1", Legs(3));
    StoreProcedure(values.airports[3], "ARR2", Legs(2));
    const std::vector<CRoutePoint> changed = {Airport("KSPF"), Airport("KBFI"), Airport("KBFI"), Airport("KPAE")};
    const std::vector<LandingRow> again = RefreshLandingSlots(values, changed);
    EXPECT_EQ(again[1], (LandingRow{"KBFI", "STAR", "ARR1", 1}));
    EXPECT_EQ(values.airports[1].legs.size(), 3u);
    EXPECT_EQ(again[3], (LandingRow{"KPAE", "STAR", "N/A", 3}));
    EXPECT_TRUE(values.airports[3].legs.empty());
    // Fewer airports empty the slots past them.
    RefreshLandingSlots(values, {Airport("KSPF")});
    EXPECT_TRUE(values.airports[1].airportName.empty());
    EXPECT_TRUE(values.airports[1].legs.empty());
}

TEST(LandingSlotsTest, AirportsPastTheFiftySlotsLandByDefault) {
    adf::LandingValues values;
    std::vector<CRoutePoint> route;
    for (int i = 0; i < 260; ++i) route.push_back(Airport("A" + std::to_string(i)));
    const std::vector<LandingRow> rows = RefreshLandingSlots(values, route);
    ASSERT_EQ(rows.size(), 260u);
    EXPECT_EQ(rows[49].slot, 49);
    EXPECT_EQ(rows[50], (LandingRow{"A50", "SID", "N/A", -1}));
    EXPECT_EQ(rows[259].slot, -1);
    EXPECT_EQ(values.airports.size(), 50u);
    for (adf::LandingSlot& slot : values.airports) StoreProcedure(slot, "P", Legs(2));
    RebuildRouteProcedures(values, route);
    EXPECT_EQ(route[49].procedure.GetSize(), 2);
    EXPECT_FALSE(route[50].HasProcedure());
    EXPECT_FALSE(SelectionRequestFor(values, route, NavDatabase("C:\\"), 50).has_value());
    EXPECT_TRUE(LandingSlotProcedures(values).ProcedurePoints(50).empty());
    EXPECT_TRUE(LandingSlotProcedures(values).ProcedurePoints(-1).empty());
}

TEST(LandingSlotsTest, AProcedureKeepsFortyNinePointsAndARoutePointTen) {
    adf::LandingValues values;
    std::vector<CRoutePoint> route = {Airport("KSPF"), Airport("KBFI")};
    RefreshLandingSlots(values, route);
    StoreProcedure(values.airports[0], "DEP1", Legs(kLegStorageSize));
    EXPECT_EQ(values.airports[0].legs.size(), 49u);
    EXPECT_EQ(values.airports[0].ident, "DEP1");
    StoreProcedure(values.airports[1], "", Legs(3));
    EXPECT_EQ(values.airports[1].ident, "N/A");
    EXPECT_TRUE(values.airports[1].legs.empty());

    RebuildRouteProcedures(values, route);
    const SidStar& sid = route[0].procedure;
    EXPECT_EQ(sid.GetSize(), 10);
    EXPECT_EQ(sid.head, 1);
    EXPECT_STREQ(sid.firstName, "DEP1");
    EXPECT_STREQ(sid.secondName, "DEP1");
    double x = 0, y = 0;
    ASSERT_TRUE(sid.Get(1, x, y));
    EXPECT_DOUBLE_EQ(y, 47.01 * 3600);
    EXPECT_DOUBLE_EQ(x, -122.5 * 3600);
    EXPECT_FALSE(route[1].HasProcedure());

    const std::vector<RouteRecord> points = LandingSlotProcedures(values).ProcedurePoints(0);
    ASSERT_EQ(points.size(), 49u);
    EXPECT_EQ(points[0].altitude, 0);
    EXPECT_EQ(points[0].ident, "USER");
    EXPECT_EQ(points[0].type, "U");
    EXPECT_EQ(points[0].latitude, FormatLatLon(47.0, true));
    EXPECT_EQ(points[0].longitude, FormatLatLon(122.5, false));
    EXPECT_EQ(points[0].recordLine, values.airports[0].legs[0]);
}

TEST(LandingSlotsTest, ASlotStartingAgainTakesTheProcedureItsPointCarries) {
    adf::LandingValues values;
    std::vector<CRoutePoint> route = {Airport("KSPF"), Airport("KBFI")};
    RefreshLandingSlots(values, route);
    StoreProcedure(values.airports[1], "ARR1", Legs(3));
    RebuildRouteProcedures(values, route);
    // The slots start again (points were removed before), the points keep their STAR.
    ResetLandingSlots(values, 0);
    const std::vector<LandingRow> rows = RefreshLandingSlots(values, route);
    EXPECT_EQ(rows[1], (LandingRow{"KBFI", "STAR", "ARR1", 1}));
    EXPECT_EQ(values.airports[1].legs.size(), 3u);
    // A point whose procedure is of the other type gives nothing.
    ResetLandingSlots(values, 0);
    route.insert(route.begin(), Airport("KPAE"));
    EXPECT_EQ(RefreshLandingSlots(values, route)[2], (LandingRow{"KBFI", "SID", "N/A", 2}));
}

class SelectionRequestTest : public ::testing::Test {
protected:
    platform::testing::TempEnvironment env_;
    testing::WorldFiles world_{env_};
};

TEST_F(SelectionRequestTest, TheRunwayInUseIsNamedByTheRunwayNumbers) {
    struct Case {
        const char* heading;
        double variation;
        char side;
        bool directionFlag;
        int slot;  // 0 departure, 1 landing
        const char* runway;
    };
    const Case cases[] = {
        {"274.0", 0.0, 'L', false, 0, "L27"}, {"274.0", 0.0, 'L', true, 0, "L09"},
        {"274.0", 0.0, 'L', true, 1, "L27"},  {"274.0", 0.0, 'L', false, 1, "L09"},
        {"2.0", 5.0, 0, false, 0, " 36"},     {"355.0", -10.0, 'R', false, 0, "R01"},
        {"185.0", 0.0, 0, true, 0, " 01"},
    };
    for (const Case& c : cases) {
        navdata::testing::AirportFields fields;
        fields.runwayHeading = c.heading;
        fields.magneticVariation = c.variation;
        fields.side = c.side;
        testing::WorldFiles world(env_);
        const int number = world.AddAirport(fields);
        const std::unique_ptr<NavDatabase> database = world.Load();
        adf::LandingValues values;
        const std::vector<CRoutePoint> route = {Airport("KSPF", number, c.slot == 0 ? c.directionFlag : true),
                                                Airport("KSPF", number, c.directionFlag)};
        RefreshLandingSlots(values, route);
        const std::optional<SidStarRequest> request = SelectionRequestFor(values, route, *database, c.slot);
        ASSERT_TRUE(request.has_value()) << c.heading;
        EXPECT_EQ(request->runway, c.runway) << c.heading << " " << c.variation << " " << c.directionFlag;
        EXPECT_EQ(request->type, c.slot == 0 ? "SID" : "STAR");
        EXPECT_EQ(request->airportIdent, "KSPF");
        EXPECT_NEAR(request->latitude, 47.45206, 1e-4);
        EXPECT_NEAR(request->westLongitude, 122.30095, 1e-4);
        EXPECT_TRUE(request->chosenIdent.empty());
    }
}

}  // namespace
}  // namespace trevalo
