#include "gathrel/navaid_edit.h"

#include <gtest/gtest.h>

#include "beaconex/navaid_getters.h"
#include "gathrel/position_text.h"
#include "gathrel/record_search.h"
#include "platform/text.h"

namespace gathrel {
namespace {

struct FrequencyCase {
    NavaidKind kind;
    double typed;
    double kept;
    bool refused;
};

const FrequencyCase kFrequencies[] = {
    {NavaidKind::Vor, 112.35, 112.35, false},  // a channel stays a channel
    {NavaidKind::Vor, 112.37, 112.35, false}, {NavaidKind::Dme, 112.38, 112.40, false},
    {NavaidKind::Vor, 117.95, 117.95, false}, {NavaidKind::Vor, 118.0, 108.0, true},
    {NavaidKind::Vor, 107.9, 108.0, true},    {NavaidKind::Ndb, 350.04, 350.0, false},
    {NavaidKind::Adf, 1699.9, 1699.9, false}, {NavaidKind::Adf, 1700.0, 200.0, true},
    {NavaidKind::Ndb, 199.0, 200.0, true},
};

TEST(CheckNavaidFrequency, RoundsToTheChannelAndRefusesWhatIsOutOfRange) {
    for (const FrequencyCase& c : kFrequencies) {
        SCOPED_TRACE(c.typed);
        const FrequencyCheck check = CheckNavaidFrequency(c.kind, c.typed);
        EXPECT_NEAR(check.value, c.kept, 1e-9);
        EXPECT_EQ(!check.message.empty(), c.refused);
    }
    EXPECT_EQ(CheckNavaidFrequency(NavaidKind::Vor, 118.0).message,
              "Values out of range for NAV\n(Range between 108.00- 117.95)");
    EXPECT_EQ(FrequencyText(NavaidKind::Vor, 112.35), "112.35");
    EXPECT_EQ(FrequencyText(NavaidKind::Ndb, 350.0), "350.0");
}

TEST(CheckIlsFrequency, KeepsTheIlsBand) {
    EXPECT_NEAR(CheckIlsFrequency(110.32).value, 110.30, 1e-9);
    EXPECT_TRUE(CheckIlsFrequency(111.95).message.empty());
    EXPECT_EQ(CheckIlsFrequency(200.0).value, 108.1);
    EXPECT_EQ(CheckIlsFrequency(200.0).message, "Values out of range for ILS\\LOC\n(Range between 108.10- 111.95)");
}

TEST(TypeWords, BothBeaconKindsAreNdbs) {
    EXPECT_STREQ(TypeWordOf(NavaidKind::Adf), "NDB");
    EXPECT_STREQ(TypeWordOf(NavaidKind::Ndb), "NDB");
    EXPECT_STREQ(TypeWordOf(NavaidKind::Dme), "DME");
    EXPECT_EQ(KindOfTypeWord("VOR"), NavaidKind::Vor);
    EXPECT_EQ(KindOfTypeWord("GPS"), std::nullopt);
}

TEST(ComposeEditedNavaidLine, WritesTheWholeLineWithItsName) {
    const std::string line =
        ComposeEditedNavaidLine({"Freedonia", NavaidKind::Ndb, "OT", 350.0, 47.5, -122.25, 1200, "OTHERTON"});
    ASSERT_EQ(line.size(), 171u);
    char field[64];
    GetNavaidsType(field, line.c_str());
    EXPECT_STREQ(field, "NDB");
    GetNavaidsLat(field, line.c_str());
    EXPECT_EQ(platform::Trimmed(field), "N047* 30'00.00");
    GetNavaidsLon(field, line.c_str());
    EXPECT_EQ(platform::Trimmed(field), "W122* 15'00.00");
    GetNavaidsName(field, line.c_str());
    EXPECT_EQ(platform::Trimmed(field), "OTHERTON");
}

struct PositionCase {
    const char* text;
    Axis axis;
    std::optional<double> degrees;
};

const PositionCase kPositions[] = {
    {"47*30.50'", Axis::Latitude, 47.0 + 30.5 / 60.0},
    {"047* 30'50.00", Axis::Latitude, 47.0 + 30.5 / 60.0},
    {"S047* 30'50.00", Axis::Latitude, -(47.0 + 30.5 / 60.0)},
    {"W122*15'", Axis::Longitude, -122.25},
    {"E180*0'", Axis::Longitude, 180.0},
    {"91*0'", Axis::Latitude, std::nullopt},
    {"47*60'", Axis::Latitude, std::nullopt},
    {"47.5", Axis::Latitude, std::nullopt},
    {"47'30*", Axis::Latitude, std::nullopt},
    {"x*30'", Axis::Latitude, std::nullopt},
};

TEST(ReadPositionText, ReadsDecimalMinutesAndAngleText) {
    for (const PositionCase& c : kPositions) {
        SCOPED_TRACE(c.text);
        const auto degrees = ReadPositionText(c.text, c.axis);
        ASSERT_EQ(degrees.has_value(), c.degrees.has_value());
        if (degrees) {
            EXPECT_NEAR(*degrees, *c.degrees, 1e-9);
        }
    }
    // What is written reads back as the same minutes.
    const std::string text = PositionAngleText(47.0 + 30.5 / 60.0, Axis::Latitude);
    EXPECT_EQ(text, "N047* 30'50.00");
    EXPECT_NEAR(*ReadPositionText(text, Axis::Latitude), 47.0 + 30.5 / 60.0, 1e-9);
}

TEST(FindNavaidLine, FallsBackToTheIdentAlone) {
    const std::vector<std::string> lines = {
        ComposeEditedNavaidLine({"Freedonia", NavaidKind::Vor, "SPF", 113.4, 1, 1, 0, ""}),
        ComposeEditedNavaidLine({"", NavaidKind::Vor, "SEA", 114.3, 1, 1, 0, ""}),
        ComposeEditedNavaidLine({"Sylvania", NavaidKind::Vor, "SPF", 113.4, 1, 1, 0, ""}),
    };
    EXPECT_EQ(FindNavaidLine(lines, "Sylvania", "SPF"), 2);
    EXPECT_EQ(FindNavaidLine(lines, "Freedonia", "SEA"), 1);
    EXPECT_EQ(FindNavaidInCountry(lines, "Freedonia", "SEA"), -1);
    EXPECT_EQ(FindNavaidLine(lines, "Freedonia", "XYZ"), -1);
}

}  // namespace
}  // namespace gathrel
