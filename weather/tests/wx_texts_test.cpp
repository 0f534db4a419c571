#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "wx/wx_rule_names.h"
#include "wx/wx_station_text.h"

namespace wx {
namespace {

struct AngleCase {
    double degrees;
    bool latitude;
    const char* text;
};

class StationAngleTextTest : public ::testing::TestWithParam<AngleCase> {};

TEST_P(StationAngleTextTest, PrintsTruncatedParts) {
    EXPECT_EQ(StationAngleText(GetParam().degrees, GetParam().latitude), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StationAngleTextTest,
    ::testing::Values(AngleCase{47.5, true, "N047* 30'00.00"}, AngleCase{-122.25, false, "W122* 15'00.00"},
                      AngleCase{10.125, false, "E010*  7'30.00"}, AngleCase{-0.5, true, "S000* 30'00.00"},
                      AngleCase{0.0, true, "N000*  0'00.00"},
                      // 1 degree and 1.25 seconds.
                      AngleCase{1.0 + 1.25 / 3600.0, true, "N001*  0'01.25"},
                      // Just short of a whole minute: truncated, not rounded up.
                      AngleCase{1.0 / 60.0 - 1e-9, true, "N000*  0'59.99"}));

// Rain rate keys rain0 to rain4 with two unusable values.
const std::vector<std::string> kRainRates = {"None", "unknown", "", "Light", "Heavy"};

struct NameCase {
    int32_t stored;
    const char* name;
};

class RuleNameOfTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(RuleNameOfTest, CountsOnlyUsableValues) {
    EXPECT_EQ(RuleNameOf(kRainRates, GetParam().stored), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Cases, RuleNameOfTest,
                         ::testing::Values(NameCase{0, "None"}, NameCase{1, "Light"}, NameCase{2, "Heavy"},
                                           NameCase{3, "None"}, NameCase{-1, "None"}));

TEST(RuleNames, NoUsableValueShowsNothing) {
    EXPECT_EQ(RuleNameOf({"unknown", ""}, 0), "");
    EXPECT_EQ(RuleNameOf({}, 2), "");
}

// Writing stores the key's own number, so a name read back after an unusable key
// comes back as a different number than it was shown from.
TEST(RuleNames, ANameIsStoredAsItsKeyNumber) {
    EXPECT_EQ(RuleNumberOf(kRainRates, "Light"), 3);
    EXPECT_EQ(RuleNumberOf(kRainRates, "None"), 0);
    EXPECT_EQ(RuleNumberOf(kRainRates, "unknown"), 0);
    EXPECT_EQ(RuleNumberOf(kRainRates, "Drizzle"), 0);
    EXPECT_EQ(RuleNumberOf({"", "Snow", "Snow"}, "Snow"), 1);
}

}  // namespace
}  // namespace wx
