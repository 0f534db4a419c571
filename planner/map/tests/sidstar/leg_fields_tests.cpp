#include "map/sidstar_leg_fields.h"

#include <gtest/gtest.h>

namespace trevalo {
namespace {

TEST(LegFieldsTest, StoringKeepsTheLookedUpPositionsAndClampsTheNumbers) {
    ProcedureLeg slot;
    slot.headingLatitude = 1.5;
    slot.nextLatitude = 2.5;
    slot.nextLongitude = -3.5;
    LegFieldTexts fields = ClearedLegFields();
    fields.code = "R";
    fields.word = "SEA";
    fields.latitude = "47.5";
    fields.longitude = "-122.25";
    fields.maxSpeed = "1250";
    fields.heading = "164";
    fields.nextIdent = "SEA";
    fields.nextRadial = "-5";
    const ProcedureLeg leg = StoredLeg(slot, fields);
    EXPECT_EQ(leg.code, "R");
    EXPECT_DOUBLE_EQ(leg.latitude, 47.5);
    EXPECT_DOUBLE_EQ(leg.longitude, -122.25);
    EXPECT_DOUBLE_EQ(leg.maxSpeed, 999);
    EXPECT_DOUBLE_EQ(leg.nextRadial, 0);
    EXPECT_DOUBLE_EQ(leg.headingLatitude, 1.5);
    EXPECT_DOUBLE_EQ(leg.nextLatitude, 2.5);
    EXPECT_DOUBLE_EQ(leg.nextLongitude, -3.5);
    EXPECT_EQ(LegFieldsOf(leg).maxSpeed, "999.00");
    EXPECT_EQ(LegFieldsOf(leg).latitude, "47.500000");
}

TEST(LegFieldsTest, RowTextsLeaveAnUnsetPositionEmpty) {
    ProcedureLeg leg = NewLegAfter({});
    EXPECT_EQ(LegRowTexts(leg),
              (std::array<std::string, kLegColumns>{"N", "Navaids", "", "", "0.00", "0.00", "0.00", "0.00", "0.00"}));
    leg.latitude = -0.5;
    EXPECT_EQ(LegRowTexts(leg)[2], "-0.500000");
    EXPECT_EQ(LegRowTexts(leg)[3], "0.000000");
}

TEST(LegFieldsTest, NewLegTakesTheSpeedsAndAltitudesOfTheLastOne) {
    ProcedureLeg last;
    last.minSpeed = 180;
    last.maxSpeed = 250;
    last.minAltitude = 3000;
    last.maxAltitude = 5000;
    last.heading = 90;
    last.nextIdent = "SEA";
    ProcedureLeg first;
    const ProcedureLeg leg = NewLegAfter({first, last});
    EXPECT_EQ(leg.code, "N");
    EXPECT_EQ(leg.word, "Navaids");
    EXPECT_DOUBLE_EQ(leg.minSpeed, 180);
    EXPECT_DOUBLE_EQ(leg.maxAltitude, 5000);
    EXPECT_DOUBLE_EQ(leg.heading, 0);
    EXPECT_EQ(leg.nextIdent, "");
}

TEST(LegFieldsTest, CodesAndTheirWords) {
    for (const char* code : {"R", "N", "I", "C", ""}) EXPECT_TRUE(IsLegCode(code)) << code;
    for (const char* code : {"x", "r", "RN", " "}) EXPECT_FALSE(IsLegCode(code)) << code;
    EXPECT_EQ(WordOfLegCode("I"), "Initial climb");
    EXPECT_EQ(WordOfLegCode("N"), "Navaids");
    EXPECT_EQ(WordOfLegCode("R"), std::nullopt);
}

TEST(LegFieldsTest, LeftNumberFieldsAreRewritten) {
    struct Case {
        const char* typed;
        const char* shown;
    };
    for (const Case& c : {Case{"90", "90"}, Case{"90.5", "90.50"}, Case{"", "0"}, Case{"abc", "0"}}) {
        EXPECT_EQ(WholeOrHundredthsText(c.typed), c.shown) << c.typed;
    }
    EXPECT_EQ(PositionFieldText("47:30:50"), "47.508333");
    EXPECT_EQ(PositionFieldText("-0:30:0"), "-0.500000");
    EXPECT_EQ(PositionFieldText("12.25"), "12.250000");
}

TEST(LegFieldsTest, MinimumAndMaximumFollowEachOther) {
    struct Case {
        bool minimumLeft;
        LimitTexts typed;
        LimitTexts shown;
    };
    const Case cases[] = {
        {true, {"250", ""}, {"250.00", "250.00"}}, {true, {"250", "300"}, {"250.00", "300.00"}},
        {true, {"", "300"}, {"", "300.00"}},       {false, {"5000", "3000"}, {"3000.00", "3000.00"}},
        {false, {"5000", ""}, {"5000.00", ""}},    {false, {"-5", "0"}, {"", ""}},
    };
    for (const Case& c : cases) {
        const LimitTexts shown = c.minimumLeft ? AfterMinimumLeft(c.typed) : AfterMaximumLeft(c.typed);
        EXPECT_EQ(shown.minimum, c.shown.minimum) << c.typed.minimum << "/" << c.typed.maximum;
        EXPECT_EQ(shown.maximum, c.shown.maximum) << c.typed.minimum << "/" << c.typed.maximum;
    }
}

}  // namespace
}  // namespace trevalo
