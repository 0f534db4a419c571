// The navaid file's navaids and ILS in the demo world: what is taken and left out,
// the lines written byte for byte, and the planner's reading of them.
#include <gtest/gtest.h>

#include "demo_world.h"
#include "fixture_world.h"
#include "map/nav_database.h"
#include "nav_dat.h"
#include "navaid_world.h"
#include "navdata/angle_text.h"
#include "navdata/line_widths.h"
#include "navdata/record_lines.h"
#include "testing/temp_environment.h"

namespace demodata {
namespace {

using platform::testing::TempEnvironment;

fsinstall::SceneryContent FixtureWorld(NavaidWorldCounts& counts) {
    fsinstall::SceneryContent world;
    world.airports = testing::FixtureAirports();
    counts = AddNavaids(ReadNavDat(testing::FixtureNavDat()).records, world);
    return world;
}

TEST(NavaidWorld, TakesNdbsVorsAndLocalizersAndCountsWhatItLeavesOut) {
    NavaidWorldCounts counts;
    FixtureWorld(counts);
    EXPECT_EQ(counts.ndbs, 6u);
    EXPECT_EQ(counts.vors, 3u);
    EXPECT_EQ(counts.ils, 4u);
    EXPECT_EQ(counts.dmesOfVors, 2u);  // QLV's DME, QVT's TACAN
    EXPECT_EQ(counts.otherDmes, 5u);   // of an NDB and an ILS, alone (DME, TACAN), QLV's ident 5 NM off
    EXPECT_EQ(counts.offBand, 1u);     // a VOR between channels; a localizer there is kept
    EXPECT_EQ(counts.ilsWithoutAirport, 1u);
    EXPECT_EQ(counts.ilsWithoutRunway, 1u);  // ZQLA's localizer on 045
    EXPECT_EQ(counts.ilsRepeated, 1u);
    EXPECT_EQ(counts.ilsParts, 4u);  // a glide slope and three markers
}

NavaidWorldCounts WriteFixtureWorld(const TempEnvironment& env) {
    NavaidWorldCounts counts;
    DemoCounts written;
    EXPECT_TRUE(WriteDemoWorld(env.driveC() / "Quillet", FixtureWorld(counts), {}, written));
    return counts;
}

std::string Navaid(const char* type, const char* ident, double frequency, double latitude, double longitude, int feet,
                   const char* name) {
    return navdata::ComposeNavaidLine({.type = type,
                                       .ident = ident,
                                       .frequency = frequency,
                                       .latitude = LatitudeToAngleText(latitude),
                                       .longitude = LongitudeToAngleText(longitude),
                                       .elevationFeet = feet,
                                       .name = name});
}

std::string Ils(int kind, const char* ident, const char* airport, double latitude, double longitude, double megahertz,
                double heading, const char* side) {
    return navdata::ComposeIlsLine({.kind = kind,
                                    .ident = ident,
                                    .airportIdent = airport,
                                    .latitude = LatitudeToAngleText(latitude),
                                    .longitude = LongitudeToAngleText(longitude),
                                    .frequency = megahertz,
                                    .heading = heading,
                                    .side = side});
}

// Names and idents in the single-byte code page: Latin-1 kept, others in plain letters.
TEST(NavaidWorld, WritesTheRecordLinesOfTheFormat) {
    TempEnvironment env;
    WriteFixtureWorld(env);
    const std::string navaids = navdata::DatabaseBytes(
        {
            Navaid("NDB", "QA", 355, 47.1, 8.1, 1400, "QUILLET NDB"),
            Navaid("NDB", "LW", 490, 51.75, 19.4, 604, "LODZ WSCHOD NDB"),
            Navaid("NDB", "\xC0\xCE", 732, 55.15, 38.29, 514, "AKSIN NDB"),
            Navaid("NDB", "ZUE", 330, 47.4, 8.55, 1700, "Z\xDCRICHBERG NDB"),
            Navaid("NDB", "QVE", 280, 46.9, 7.9, 1200, "QUILLET VALLEY EAST OUTER BEACON NDB"),
            Navaid("NDB", "QB", 410, 47.2, 8.2, 1300, "QUILLET B NDB-DME"),
            Navaid("VOR", "QLV", 113.75, 47.05, 8.05, 1500, "QUILLET VOR-DME"),
            Navaid("VOR", "QVT", 116.2, 46.95, 8.3, 1450, "QUILLET TWO VORTAC"),
            Navaid("VOR", "QVO", 109.0, 47.3, 7.7, 900, "QUILLET WEST VOR"),
        },
        navdata::kNavaidLineWidth);
    EXPECT_EQ(TempEnvironment::readFile(env.driveC() / "Quillet" / "Navaids.nav"), navaids);
    // By airport and runway; each with its runway's side field.
    const std::string ils = navdata::DatabaseBytes(
        {
            Ils(4, "IQLA", "ZQLA", 47.006, 8.026, 110.1, 90.15, "L2.000000"),
            Ils(4, "IQLW", "ZQLA", 47.006, 7.974, 109.3, 270.15, "L2.000000"),
            Ils(5, "IQLC", "ZQLA", 47.0, 8.02, 108.5, 89.9, "R2.000000"),
            Ils(4, "IQLB", "ZQLB", 48.3, 9.1, 111.09, 330.0, "2.500000"),
        },
        navdata::kIlsLineWidth);
    EXPECT_EQ(TempEnvironment::readFile(env.driveC() / "Quillet" / "Ils.nav"), ils);
}

// The type the map draws a navaid by, or none when it is not in the grid.
std::string TypeOf(const trevalo::NavDatabase& database, const std::string& ident) {
    for (const auto& cell : database.navaidGrid)
        for (const trevalo::NavaidRecord& navaid : cell)
            if (ident == navaid.id) return trevalo::NavaidTypeText(navaid.type);
    return "none";
}

// Airport lines 1 and 2 are ZQLA's 09L/27R and 09R/27L, line 3 ZQLB's 15/33.
TEST(NavaidWorld, ThePlannerFindsEachIlsForItsRunwayAndDrawsTheNavaids) {
    TempEnvironment env;
    WriteFixtureWorld(env);
    trevalo::NavDatabase database("C:\\Quillet\\");
    ASSERT_EQ(database.LoadAirportFile(), 0);
    ASSERT_EQ(database.LoadNavaidFile(), 0);
    ASSERT_EQ(database.LoadIlsFile(), 0);
    ASSERT_EQ(database.navaidCount, 9);
    EXPECT_EQ(TypeOf(database, "QA"), "NDB");
    EXPECT_EQ(TypeOf(database, "QVT"), "VOR");
    const struct {
        int airport;
        double heading;
        const char* ils;  // empty: none
    } cases[] = {
        {1, 90.0, "IQLA"},  {1, 270.0, "IQLW"}, {2, 90.0, ""},  // a localizer alone is no ILS to land on
        {3, 330.0, "IQLB"}, {3, 150.0, ""},
    };
    for (const auto& c : cases) {
        const int found = database.FindIlsForRunway(c.airport, c.heading);
        EXPECT_EQ(found < 0 ? std::string() : std::string(database.ils[static_cast<size_t>(found)].id), c.ils)
            << c.airport << " " << c.heading;
    }
}

}  // namespace
}  // namespace demodata
