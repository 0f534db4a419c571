#include "wx/rule_choices.h"

#include <gtest/gtest.h>

namespace wx {
namespace {

// Rain rate keys rain0 to rain4 with two unusable values.
const WeatherRules kRules = WeatherRules::FromLines({
    "[cloud]",
    "rain0=None",
    "rain1=unknown",
    "rain2=",
    "rain3=Light",
    "rain4=Heavy",
    "coverage_tot=1e12",
    "coverage5=Broken",
    "type_tot=-3",
    "type0=Cirrus",
    "max=1e30",
    "overlap=true",
    "[winds]",
    "max=-2",
});

TEST(RuleChoices, KeepTheirKeyNumbers) {
    const RuleChoices rates = ChoicesOf(kRules, rules::kRainRateNames);
    ASSERT_EQ(rates.size(), 3u);
    EXPECT_EQ(rates[1].number, 3);
    EXPECT_EQ(rates[1].name, "Light");
}

struct NameCase {
    int32_t stored;
    const char* name;
};

class ChoiceNameTest : public ::testing::TestWithParam<NameCase> {};

// A stored number shows its own key's name, whatever names before it are left out.
TEST_P(ChoiceNameTest, ShowsTheKeysName) {
    const RuleChoices rates = ChoicesOf(kRules, rules::kRainRateNames);
    EXPECT_EQ(ChoiceName(rates, GetParam().stored), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Cases, ChoiceNameTest,
                         ::testing::Values(NameCase{0, "None"}, NameCase{3, "Light"}, NameCase{4, "Heavy"},
                                           // Unnamed numbers show the first name.
                                           NameCase{1, "None"}, NameCase{7, "None"}, NameCase{-1, "None"}));

TEST(RuleChoices, ANameIsStoredAsItsKeyNumber) {
    const RuleChoices rates = ChoicesOf(kRules, rules::kRainRateNames);
    EXPECT_EQ(ChoiceNumber(rates, "Light"), 3);
    EXPECT_EQ(ChoiceNumber(rates, "None"), 0);
    EXPECT_EQ(ChoiceNumber(rates, "unknown"), 0);
    EXPECT_EQ(ChoiceNumber(rates, "Drizzle"), 0);
    for (const RuleChoice& choice : rates)
        EXPECT_EQ(ChoiceNumber(rates, ChoiceName(rates, choice.number)), choice.number);
    EXPECT_EQ(ChoiceName({}, 2), "");
    EXPECT_EQ(ChoicePosition(rates, 4), 2u);
    EXPECT_EQ(ChoicePosition(rates, 1), std::nullopt);
}

// A hostile total offers at most the cap and reads no more keys than that.
TEST(RuleChoices, TotalsAreClamped) {
    EXPECT_EQ(FamilyCount(kRules, rules::kCoverageNames), rules::kMaxCountedNames);
    EXPECT_EQ(FamilyCount(kRules, rules::kCloudTypeNames), 0);
    EXPECT_TRUE(ChoicesOf(kRules, rules::kCloudTypeNames).empty());
    const RuleChoices coverages = ChoicesOf(kRules, rules::kCoverageNames);
    ASSERT_EQ(coverages.size(), 1u);
    EXPECT_EQ(coverages[0].number, 5);
    EXPECT_EQ(FamilyCount(kRules, rules::kRainTypeNames), 4);
    EXPECT_EQ(FamilyCount(kRules, rules::kShearNames), 5);
}

TEST(RuleChoices, MaximumAndOverlapPerKind) {
    EXPECT_EQ(LayerMaximum(kRules, WxLayerKind::Cloud), INT32_MAX);
    EXPECT_EQ(LayerMaximum(kRules, WxLayerKind::Wind), 0);
    EXPECT_EQ(LayerMaximum(kRules, WxLayerKind::Temperature), 0);
    EXPECT_TRUE(LayersMayOverlap(kRules, WxLayerKind::Cloud));
    EXPECT_FALSE(LayersMayOverlap(kRules, WxLayerKind::Wind));
}

}  // namespace
}  // namespace wx
