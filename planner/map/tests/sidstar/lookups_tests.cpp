#include "map/sidstar_lookups.h"

#include <gtest/gtest.h>

#include "navdata_testing/scenery_lines.h"

namespace trevalo {
namespace {

using navdata::testing::AirportFields;
using navdata::testing::NavaidFields;

AirportFields Runway(const char* ident, const char* heading, char side, const char* name = "Seattle Tacoma") {
    AirportFields fields;
    fields.ident = ident;
    fields.runwayHeading = heading;
    fields.side = side;
    fields.name = name;
    fields.magneticVariation = 0.0;
    fields.latitude = "S000* 30'00.00";
    fields.longitude = "E008* 15'00.00";
    return fields;
}

class LookupsTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const AirportFields& fields :
             {Runway("KSEA", "160", 'L'), Runway("KBFI", "130", 'R', "Boeing"), Runway("KSEA", "160", 'R'),
              Runway("SEA", "90", 0, "Lookalike"), Runway("KSEA", "340", 'C')}) {
            database.airportLines.Add(navdata::testing::SceneryAirportLine(fields).c_str());
        }
        NavaidFields vor;
        vor.ident = "SEA";
        vor.name = "Seattle";
        NavaidFields other = vor;
        other.ident = "KSEA";
        for (const NavaidFields& fields : {vor, other, vor}) {
            database.navaidLines.Add(navdata::testing::SceneryNavaidLine(fields).c_str(), 0, 0);
        }
    }

    NavDatabase database{"C:\\Quillet\\"};
    const CAirportArray& airports = database.airportLines;
    const CNavaidArray& navaids = database.navaidLines;
};

TEST_F(LookupsTest, RunwayLinesAndNavaidsOfAnIdentMatchItWhole) {
    EXPECT_EQ(database.AirportLinesWithIdent("ksea", kMaxAirportMatches), (std::vector<int>{0, 2, 4}));
    EXPECT_EQ(database.AirportLinesWithIdent("SEA ", kMaxAirportMatches), std::vector<int>{3});
    EXPECT_EQ(database.AirportLinesWithIdent("KSEA", 2), (std::vector<int>{0, 2}));
    EXPECT_EQ(database.AirportLinesWithIdent("", kMaxAirportMatches), std::vector<int>{});
    EXPECT_EQ(database.NavaidsWithIdent("sea"), (std::vector<int>{0, 2}));
}

TEST_F(LookupsTest, ChooserItemsCarryTheirIndex) {
    const std::string item = AirportChooserItem(airports, 2);
    EXPECT_EQ(item, "SEATTLE TACOMA(R16/R34)" + std::string(50, ' ') + "0000002");
    EXPECT_EQ(AirportChooserIndex(item), 2);
    EXPECT_EQ(AirportChooserIndex("SEA"), std::nullopt);
    EXPECT_EQ(RunwayDesignatorsOfLine(airports, 3), (std::vector<std::string>{" 09", " 27"}));
}

TEST_F(LookupsTest, PositionsAreSignedDegreesWestPositive) {
    const LatLon position = AirportLinePosition(airports, 0);
    EXPECT_DOUBLE_EQ(position.latitude, -0.5);
    EXPECT_DOUBLE_EQ(position.westLongitude, -8.25);
    const LatLon vor = NavaidPosition(navaids, 0);
    EXPECT_DOUBLE_EQ(vor.latitude, 47.5);
    EXPECT_NEAR(vor.westLongitude, 122.0 + 20.0 / 60.0, 1e-9);
}

TEST_F(LookupsTest, NavaidChoicesListNavaidsThenRunwayLines) {
    const std::vector<NavaidChoice> choices = NavaidChoices(database, " sea");
    ASSERT_EQ(choices.size(), 3u);
    EXPECT_EQ(choices[0].kind, kNavaidChoice);
    EXPECT_EQ(choices[0].index, 0);
    EXPECT_EQ(choices[0].name, "SEATTLE");
    EXPECT_EQ(choices[1].index, 2);
    EXPECT_EQ(choices[2].kind, kAirportChoice);
    EXPECT_EQ(choices[2].index, 3);
    EXPECT_EQ(choices[2].name, "LOOKALIKE");
    EXPECT_TRUE(NavaidChoices(database, "").empty());
}

}  // namespace
}  // namespace trevalo
