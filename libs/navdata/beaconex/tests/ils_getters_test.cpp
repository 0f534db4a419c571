#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "beaconex/ils_getters.h"
#include "beaconex/ils_line_layout.h"
#include "navdata_testing/getter_calls.h"
#include "navdata_testing/scenery_lines.h"
#include "platform/text.h"

namespace {

namespace layout = beaconex::ils_line;
using navdata::testing::CallGetter;
using navdata::testing::ExactLine;
using navdata::testing::IlsFields;
using navdata::testing::SceneryIlsLine;
using platform::Trimmed;

TEST(IlsGetters, ReadTheSceneryFields) {
    IlsFields f;
    f.kind = 3;
    const std::string text = SceneryIlsLine(f);
    ASSERT_EQ(text.size(), layout::kWidth);
    const ExactLine line(text);
    EXPECT_EQ(GetilsType(line.get()), 3);
    const auto ident = CallGetter(GetilsID, line.get(), layout::kIdent.size());
    EXPECT_EQ(ident.text, text.substr(layout::kIdent.column, layout::kIdent.width));
    EXPECT_TRUE(ident.guardKept);
    EXPECT_EQ(Trimmed(CallGetter(GetilsairportID, line.get(), layout::kAirportIdent.size()).text), "KSPF");
    EXPECT_DOUBLE_EQ(GetilsFreq(line.get()), 110.3);
    EXPECT_DOUBLE_EQ(GetilsHdg(line.get()), 270.0);
    EXPECT_DOUBLE_EQ(GetilsFreq(text), 110.3);
    EXPECT_DOUBLE_EQ(GetilsHdg(text), 270.0);
}

struct FrequencyTextCase {
    const char* field;  // the 10 frequency columns
    double frequency;
};

TEST(IlsGetters, FrequencyIsTheDecimalConversionOfItsField) {
    const FrequencyTextCase cases[] = {
        {"110.300000", 110.3}, {"  110.3   ", 110.3},    {"+110.3    ", 110.3},
        {"-1.5x     ", -1.5},  {"+-1       ", 0.0},      {"abc       ", 0.0},
        {"          ", 0.0},   {"1e999     ", HUGE_VAL}, {"0x10      ", 0.0},
    };
    for (const auto& c : cases) {
        std::string line = SceneryIlsLine({});
        line.replace(layout::kFrequency.column, layout::kFrequency.width, c.field);
        EXPECT_EQ(GetilsFreq(line), c.frequency) << c.field;
    }
}

struct IlsSideCase {
    std::string field;
    char side;
    double variation;
};

TEST(IlsGetters, SideLetterThenVariationWithoutC) {
    const IlsSideCase cases[] = {
        {"R12.000000", 'R', 12.0}, {"L-5.000000", 'L', -5.0}, {"H0.500000", 'H', 0.5},
        {"C12.000000", 0, 0.0},    {"-3.000000", 0, -3.0},    {"", 0, 0.0},
    };
    for (const auto& c : cases) {
        IlsFields f;
        f.side = c.field;
        const std::string text = SceneryIlsLine(f);
        EXPECT_EQ(GetilsRnw(ExactLine(text).get()), c.side) << c.field;
        EXPECT_DOUBLE_EQ(GetilsMagVar(ExactLine(text).get()), c.variation) << c.field;
        EXPECT_DOUBLE_EQ(GetilsMagVar(text), c.variation) << c.field;
    }
}

struct ShortIlsCase {
    std::size_t length;  // of the default line kept
    int kind;
    double frequency;
    double heading;
};

TEST(IlsGetters, ShortLineReadsMissingColumnsAsBlanks) {
    const std::string full = SceneryIlsLine({});
    const ShortIlsCase cases[] = {
        {0, 0, 0.0, 0.0}, {1, 1, 0.0, 0.0}, {20, 1, 0.0, 0.0}, {65, 1, 110.0, 0.0}, {82, 1, 110.3, 270.0},
    };
    for (const auto& c : cases) {
        const ExactLine line(full.substr(0, c.length));
        EXPECT_EQ(GetilsType(line.get()), c.kind) << c.length;
        EXPECT_DOUBLE_EQ(GetilsFreq(line.get()), c.frequency) << c.length;
        EXPECT_DOUBLE_EQ(GetilsHdg(line.get()), c.heading) << c.length;
        EXPECT_EQ(GetilsRnw(line.get()), 0) << c.length;
        EXPECT_EQ(GetilsMagVar(line.get()), 0.0) << c.length;
        const auto airport = CallGetter(GetilsairportID, line.get(), layout::kAirportIdent.size());
        EXPECT_EQ(airport.text.size(), layout::kAirportIdent.width) << c.length;
    }
}

TEST(IlsGetters, BlankLineGivesZeros) {
    const std::string line(layout::kWidth, ' ');
    EXPECT_EQ(GetilsType(line.c_str()), 0);
    EXPECT_EQ(GetilsFreq(line), 0.0);
    EXPECT_EQ(GetilsHdg(line), 0.0);
    EXPECT_EQ(GetilsMagVar(line), 0.0);
}

TEST(IlsGetters, StringFormsReadTheTextUpToItsFirstTerminator) {
    std::string text = SceneryIlsLine({});
    text[layout::kHeading.column] = '\0';
    EXPECT_DOUBLE_EQ(GetilsFreq(text), 110.3);
    EXPECT_EQ(GetilsHdg(text), 0.0);
    EXPECT_EQ(GetilsMagVar(text), 0.0);
}

}  // namespace
