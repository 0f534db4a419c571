#include "wx/weather_rules.h"

#include <gtest/gtest.h>

#include <limits>

#include "testing/temp_environment.h"

namespace wx {
namespace {

const std::vector<std::string> kLines = {
    "; a comment line",
    "",
    "orphan=1",
    "  [cloud]  ",
    "rain1=Light",
    "rain10=Heavy",
    "coverage0=",
    "top alt =500",
    "max=3",
    "max=9",
    "a line without equals",
    "   overlap=  true  \r",
    "note[x]=bracketed",
    "[winds]",
    "speed=12.5 knots",
    "gusty=abc",
    "top alt=1e400",
    "bottom alt=-1e400",
    "tiny=1e-400",
    "sign=+7",
    "overlap=yes",
    "nan=nan",
    "point=.5",
    "exp=2e",
    "[cloud]",
    "type_tot=4",
};

struct StringCase {
    const char* section;
    const char* key;
    const char* expected;
};

class RuleStringTest : public ::testing::TestWithParam<StringCase> {};

TEST_P(RuleStringTest, FindsTheFirstEntryOfItsSection) {
    const WeatherRules rules = WeatherRules::FromLines(kLines);
    EXPECT_EQ(rules.GetRuleString(GetParam().section, GetParam().key, "unknown"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RuleStringTest,
    ::testing::Values(StringCase{"[cloud]", "rain1", "Light"}, StringCase{"[cloud]", "rain10", "Heavy"},
                      StringCase{"[cloud]", "coverage0", ""}, StringCase{"[cloud]", "max", "3"},
                      StringCase{"[cloud]", "overlap", "true"},
                      // A blank before "=" belongs to the key.
                      StringCase{"[cloud]", "top alt", "unknown"},
                      // A line holding brackets is no header unless it is one whole.
                      StringCase{"[cloud]", "note[x]", "bracketed"},
                      // A key only matches at the start of a line.
                      StringCase{"[cloud]", "x]", "unknown"},
                      // In another section only, before any section, or in a repeat.
                      StringCase{"[winds]", "rain1", "unknown"}, StringCase{"[cloud]", "speed", "unknown"},
                      StringCase{"[cloud]", "orphan", "unknown"}, StringCase{"[cloud]", "type_tot", "unknown"},
                      // Sections are named with their brackets.
                      StringCase{"cloud", "rain1", "unknown"}, StringCase{"[Cloud]", "rain1", "unknown"}));

struct DoubleCase {
    const char* key;
    double expected;
};

class RuleDoubleTest : public ::testing::TestWithParam<DoubleCase> {};

TEST_P(RuleDoubleTest, ReadsTheLeadingNumber) {
    const WeatherRules rules = WeatherRules::FromLines(kLines);
    EXPECT_EQ(rules.GetRuleDouble("[winds]", GetParam().key, -1), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, RuleDoubleTest,
                         ::testing::Values(DoubleCase{"speed", 12.5}, DoubleCase{"gusty", 0}, DoubleCase{"missing", -1},
                                           DoubleCase{"top alt", std::numeric_limits<double>::max()},
                                           DoubleCase{"bottom alt", -std::numeric_limits<double>::max()},
                                           DoubleCase{"tiny", 0}, DoubleCase{"sign", 7}, DoubleCase{"nan", 0},
                                           DoubleCase{"point", 0.5}, DoubleCase{"exp", 2}));

TEST(WeatherRules, AnEmptyValueGivesTheNumberDefault) {
    const WeatherRules rules = WeatherRules::FromLines(kLines);
    EXPECT_EQ(rules.GetRuleDouble("[cloud]", "coverage0", 4), 4);
}

TEST(WeatherRules, OnlyTrueAndFalseAreFlags) {
    const WeatherRules rules = WeatherRules::FromLines({"[a]", "t=true", "f=false", "y=yes", "T=TRUE"});
    EXPECT_TRUE(rules.GetRuleBool("[a]", "t", false));
    EXPECT_FALSE(rules.GetRuleBool("[a]", "f", true));
    EXPECT_TRUE(rules.GetRuleBool("[a]", "y", true));
    EXPECT_FALSE(rules.GetRuleBool("[a]", "T", false));
    EXPECT_TRUE(rules.GetRuleBool("[a]", "missing", true));
}

TEST(WeatherRules, LoadsAFileWithEitherLineEnd) {
    platform::testing::TempEnvironment env;
    env.writeFile("drive_c/Quillet/AdvWx.rul", "[cloud]\r\nmax=3\r\n[winds]\nmax=5\n");
    const WeatherRules rules = WeatherRules::Load("C:\\Quillet\\AdvWx.rul");
    EXPECT_EQ(rules.GetRuleDouble("[cloud]", "max", 0), 3);
    EXPECT_EQ(rules.GetRuleDouble("[winds]", "max", 0), 5);
    EXPECT_EQ(WeatherRules::Load("C:\\Quillet\\Missing.rul").GetRuleString("[cloud]", "max", "none"), "none");
    EXPECT_EQ(WeatherRules::Load("").GetRuleDouble("[cloud]", "max", 2), 2);
}

}  // namespace
}  // namespace wx
