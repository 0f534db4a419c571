#include "map/sidstar_leg_line.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "scenrix/sid_star.h"

namespace trevalo {
namespace {

ProcedureLeg SampleLeg() {
    ProcedureLeg leg;
    leg.code = "R";
    leg.word = "SEA";
    leg.latitude = 47.435;
    leg.longitude = 122.31;
    leg.minSpeed = 180;
    leg.maxSpeed = 250;
    leg.minAltitude = 3000;
    leg.maxAltitude = 5000;
    leg.heading = 164;
    leg.headingIdent = "SEA";
    leg.headingLatitude = 47.4;
    leg.headingLongitude = 122.3;
    leg.nextDistance = 10;
    leg.nextRadial = 90;
    leg.nextIdent = "SEA";
    leg.nextLatitude = 47.5;
    leg.nextLongitude = 122.2;
    leg.nextText = "SEATTLE";
    return leg;
}

TEST(LegLineTest, WritesTheEighteenFieldsEachClosedByAColon) {
    EXPECT_EQ(LegLine(3, SampleLeg()),
              "t03=R:SEA:47.435000:122.310000:180.00:250.00:3000.00:5000.00:164.00:SEA:47.400000:122.300000:"
              "10.00:90.00:SEA:47.500000:122.200000:SEATTLE:");
}

TEST(LegLineTest, ReadsBackWhatItWrote) {
    const ProcedureLeg leg = ParseLegLine(LegLine(1, SampleLeg()));
    EXPECT_EQ(LegLine(1, leg), LegLine(1, SampleLeg()));
}

TEST(LegLineTest, NumberOnlyForTwoDigitsAndAnEqualsSignAtTheLineStart) {
    struct Case {
        const char* line;
        std::optional<int> number;
    };
    const Case cases[] = {
        {"t01=R:", 1},
        {"t49=", 49},
        {"t50=N:", 50},
        {"t1=R:", std::nullopt},
        {" t01=R:", std::nullopt},
        {"tid=t01=", std::nullopt},
        {"tnm=t02=R:", std::nullopt},
        {"t01", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(LegLineNumber(c.line), c.number) << c.line;
}

TEST(LegLineTest, ReadingClampsNumbersAndCutsTexts) {
    const std::string longName(80, 'x');
    const ProcedureLeg leg = ParseLegLine("t01=RX:" + std::string(40, 'w') +
                                          ":95:-200:1500:-5:-9000:200000:400:ABCDEFGHIJKL:-91:181:1234:-1:SEA:nan:"
                                          "inf:" +
                                          longName + ":");
    EXPECT_EQ(leg.code, "R");
    EXPECT_EQ(leg.word.size(), kProcedureWordLength);
    EXPECT_EQ(leg.latitude, 90);
    EXPECT_EQ(leg.longitude, -180);
    EXPECT_EQ(leg.minSpeed, 999);
    EXPECT_EQ(leg.maxSpeed, 0);
    EXPECT_EQ(leg.minAltitude, -2000);
    EXPECT_EQ(leg.maxAltitude, 99999);
    EXPECT_EQ(leg.heading, 360);
    EXPECT_EQ(leg.headingIdent, "ABCDEFGHIJ");
    EXPECT_EQ(leg.headingLatitude, -90);
    EXPECT_EQ(leg.headingLongitude, 180);
    EXPECT_EQ(leg.nextDistance, 999.99);
    EXPECT_EQ(leg.nextRadial, 0);
    EXPECT_EQ(leg.nextLatitude, 0);
    EXPECT_EQ(leg.nextLongitude, 0);
    EXPECT_EQ(leg.nextText.size(), kProcedureNameLength);
}

TEST(LegLineTest, LongestLegFitsARoutePointLine) {
    ProcedureLeg leg;
    leg.code = "C";
    leg.word = std::string(kProcedureWordLength, 'w');
    leg.headingIdent = leg.nextIdent = std::string(kProcedureIdentLength, 'i');
    leg.nextText = std::string(kProcedureNameLength, 'n');
    leg.latitude = leg.headingLatitude = leg.nextLatitude = -90;
    leg.longitude = leg.headingLongitude = leg.nextLongitude = -180;
    leg.minSpeed = leg.maxSpeed = 999;
    leg.minAltitude = leg.maxAltitude = 99999;
    leg.heading = leg.nextRadial = 360;
    leg.nextDistance = 999.99;
    EXPECT_LT(LegLine(kMaxProcedureLegs, leg).size(), scenrix::kSidStarLineSize);
}

TEST(LegLineTest, RecordCarriesTheLegAndTheProcedureIdent) {
    fileval record;
    record._Setid("OLD");
    FillLegRecord(record, 2, SampleLeg(), "HAROB6");
    EXPECT_STREQ(record._Getid(), "HAROB6");
    EXPECT_STREQ(record._Getcode(), "R");
    EXPECT_STREQ(record._Getidtonexttext(), "SEATTLE");
    EXPECT_DOUBLE_EQ(record.nextRadial, 90);
    EXPECT_EQ(std::strncmp(record.GetLine(), "t02=", 4), 0);
}

}  // namespace
}  // namespace trevalo
