#include <string>

#include <gtest/gtest.h>

#include "map/nav_database.h"
#include "nav_world.h"

namespace trevalo::testing {
namespace {

using DatabaseQueriesTest = NavWorldTest;

TEST_F(DatabaseQueriesTest, RecordLinesByNumberAndNoneOutsideTheLists) {
    char otherton[336] = {};
    database_->airportLines.GetALine(otherton, otr_ - 1);
    EXPECT_EQ(database_->AirportLine(otr_), otherton);
    EXPECT_EQ(database_->AirportLine(otr_).size(), 335u);
    EXPECT_EQ(database_->NavaidLine(dmeThd_).size(), 170u);
    EXPECT_EQ(database_->IlsLine(ilsThr_).size(), 92u);
    for (int number : {0, -1, 4}) {
        SCOPED_TRACE(number);
        EXPECT_EQ(database_->AirportLine(number), "");
        EXPECT_EQ(database_->IlsLine(number), "");
        EXPECT_FALSE(database_->IsAirportNumber(number));
    }
    EXPECT_EQ(database_->NavaidLine(5), "");
    EXPECT_TRUE(database_->IsNavaidNumber(4));
    EXPECT_FALSE(database_->IsNavaidNumber(5));
}

TEST_F(DatabaseQueriesTest, FindsTheIlsOfARunwayWithin6DegreesModulo360) {
    struct Case {
        int airport;
        double heading;
        int ils;
    };
    const Case cases[] = {
        {spf_, 270.0, ilsSpf_}, {spf_, 276.0, ilsSpf_}, {spf_, 264.0, ilsSpf_},
        {spf_, 276.5, -1},      {spf_, 90.0, -1},       {thr_, 2.0, ilsThr_},  // ILS 358: 4 degrees apart
        {thr_, 359.0, ilsThr_}, {thr_, 5.0, -1},        {otr_, 180.0, ilsOtr_},
        {otr_, 0.0, -1},        {4, 270.0, -1},  // no such airport
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.airport << " " << c.heading);
        EXPECT_EQ(database_->FindIlsForRunway(c.airport, c.heading), c.ils);
    }
}

TEST_F(DatabaseQueriesTest, TheIlsMustServeTheSameRunwaySide) {
    for (IlsRecord& ils : database_->ils) ils.runway = ils.runway == 'L' ? 'R' : ils.runway;
    EXPECT_EQ(database_->FindIlsForRunway(spf_, 270.0), -1);
}

TEST_F(DatabaseQueriesTest, NearestMagneticVariationInTheCell) {
    EXPECT_EQ(database_->GetNearestMagVar(Airport(spf_).x + 10, Airport(spf_).y), -5.0);
    EXPECT_EQ(database_->GetNearestMagVar(Airport(otr_).x, Airport(otr_).y + 10), 0.0);
    EXPECT_EQ(database_->GetNearestMagVar(0.0, 0.0), 0.0);
    EXPECT_EQ(database_->GetNearestMagVar(1e9, 0.0), 0.0);
}

// One ident on runway lines far apart: the index hands them out in the grid's order (the
// western cell first), whatever the case asked for; idents count once each.
TEST(AirportIdentIndexTest, RunwaysOfAnIdentInTheGridsOrder) {
    platform::testing::TempEnvironment env;
    WorldFiles files(env);
    navdata::testing::AirportFields east;
    east.ident = "KAAA";
    east.longitude = east.runwayStartLongitude = east.runwayEndLongitude = "W050* 00'00.00";
    navdata::testing::AirportFields other = east;
    other.ident = "KBBB";
    navdata::testing::AirportFields west = east;
    west.longitude = west.runwayStartLongitude = west.runwayEndLongitude = "W150* 00'00.00";
    const int eastNumber = files.AddAirport(east);
    files.AddAirport(other);
    const int westNumber = files.AddAirport(west);
    const std::unique_ptr<NavDatabase> database = files.Load();

    EXPECT_EQ(database->airportCount, 3);
    EXPECT_EQ(database->AirportIdentCount(), 2);
    const std::vector<const AirportRecord*>& found = database->AirportsWithIdent(" kaaa ");
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0]->number, westNumber);
    EXPECT_EQ(found[1]->number, eastNumber);
    EXPECT_TRUE(database->AirportsWithIdent("KCCC").empty());
    EXPECT_TRUE(database->AirportsWithIdent("").empty());
}

TEST(NavaidTypeTest, TextsAndTypesBothWays) {
    const struct {
        const char* text;
        double type;
    } cases[] = {{"VOR", 1.0}, {"NDB", 2.0}, {"DME", 3.0}, {"ILS", 4.0}};
    for (const auto& c : cases) {
        EXPECT_EQ(NavaidTypeOfText(c.text), c.type) << c.text;
        EXPECT_EQ(NavaidTypeOfText(std::string(" ") + c.text + "  "), c.type) << c.text;
        EXPECT_STREQ(NavaidTypeText(c.type), c.text);
    }
    EXPECT_EQ(NavaidTypeOfText("TACAN"), -1.0);
    EXPECT_EQ(NavaidTypeOfText(""), -1.0);
    EXPECT_STREQ(NavaidTypeText(-1.0), "");
}

}  // namespace
}  // namespace trevalo::testing
