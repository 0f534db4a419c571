#include "wx/layer_limits.h"

#include <gtest/gtest.h>

#include <fstream>
#include <variant>

#include "wx/rule_choices.h"
#include "wx/wx_records.h"

namespace wx {
namespace {

using AnyValues = std::variant<WindValues, VisibilityValues, CloudValues, TemperatureValues>;

struct LimitCase {
    const char* name;
    std::vector<std::string> rules;
    AnyValues values;
    const char* message;  // "" when the values pass
};

class LayerLimitsTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(LayerLimitsTest, GivesTheFirstBrokenLimit) {
    const WeatherRules rules = WeatherRules::FromLines(GetParam().rules);
    const std::optional<std::string> message =
        std::visit([&rules](const auto& values) { return CheckLimits(values, rules); }, GetParam().values);
    EXPECT_EQ(message.value_or(""), GetParam().message);
}

const CloudValues kCloud{.bottom = 3000, .top = 6000, .deviation = 10, .rainBase = 1000};

CloudValues Cloud(int32_t CloudValues::*field, int32_t value) {
    CloudValues values = kCloud;
    values.*field = value;
    return values;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LayerLimitsTest,
    ::testing::Values(
        LimitCase{"CloudWithinLimits", {"[cloud]", "top alt=10000", "bottom alt=1000", "top base=2000"}, kCloud, ""},
        LimitCase{"CloudTopBelowBottom",
                  {},
                  CloudValues{.bottom = 3000, .top = 2000},
                  "The bottom altitude cannot be more than the top altitude"},
        LimitCase{"RainBaseLowOnlyWithATop", {"[cloud]", "bottom base=1500"}, kCloud, ""},
        LimitCase{"RainBaseLow",
                  {"[cloud]", "bottom base=1500", "top base=5000"},
                  kCloud,
                  "The minimum altitude allowed is [1500]"},
        LimitCase{"RainBaseHigh", {"[cloud]", "top base=500"}, kCloud, "The maximum altitude allowed is [500]"},
        LimitCase{"DeviationLow",
                  {"[cloud]", "bottom dev=20", "top dev=30"},
                  kCloud,
                  "The minimum deviation allowed is [20]"},
        LimitCase{"DeviationHigh", {"[cloud]", "top dev=5.9"}, kCloud, "The maximum deviation allowed is [5]"},
        LimitCase{"CloudBottomLow",
                  {"[cloud]", "bottom alt=4000", "top alt=9000"},
                  kCloud,
                  "The minimum altitude allowed is [4000]"},
        LimitCase{"CloudTopHigh", {"[cloud]", "top alt=5000"}, kCloud, "The maximum altitude allowed is [5000]"},
        // A cloud's lowest rain base, deviation and bottom hold at 0 (or missing) once the highest is set.
        LimitCase{"RainBaseBelowZero",
                  {"[cloud]", "bottom base=0", "top base=5000"},
                  Cloud(&CloudValues::rainBase, -1),
                  "The minimum altitude allowed is [0]"},
        LimitCase{"DeviationBelowZero",
                  {"[cloud]", "bottom dev=0", "top dev=30"},
                  Cloud(&CloudValues::deviation, -1),
                  "The minimum deviation allowed is [0]"},
        LimitCase{"DeviationBelowMissingLimit",
                  {"[cloud]", "top dev=30"},
                  Cloud(&CloudValues::deviation, -1),
                  "The minimum deviation allowed is [0]"},
        LimitCase{"CloudBottomBelowZero",
                  {"[cloud]", "bottom alt=0", "top alt=9000"},
                  Cloud(&CloudValues::bottom, -10),
                  "The minimum altitude allowed is [0]"},
        LimitCase{"CloudLowerLimitsNeedTheirTop",
                  {"[cloud]", "bottom alt=0", "bottom dev=0", "bottom base=0"},
                  CloudValues{.bottom = -10, .top = 10, .deviation = -1, .rainBase = -1},
                  ""},
        // The rain base is checked first.
        LimitCase{"CloudOrder",
                  {"[cloud]", "top alt=5000", "top base=500"},
                  Cloud(&CloudValues::top, 100),
                  "The maximum altitude allowed is [500]"},
        LimitCase{"LimitBeyondInt", {"[cloud]", "top alt=1e300"}, Cloud(&CloudValues::top, INT32_MAX), ""},
        LimitCase{"NegativeLimitBeyondInt",
                  {"[cloud]", "top alt=-1e300"},
                  kCloud,
                  "The maximum altitude allowed is [-2147483648]"},
        LimitCase{"Gust",
                  {"[winds]", "gusty=30", "speed=10"},
                  WindValues{.speed = 20, .gusts = 31},
                  "The maximum gust allowed is [30]"},
        LimitCase{"Speed",
                  {"[winds]", "gusty=30", "speed=10"},
                  WindValues{.speed = 20, .gusts = 30},
                  "The maximum speed allowed is [10]"},
        LimitCase{"WindHigh",
                  {"[winds]", "top alt=20000"},
                  WindValues{.upperAltitude = 20001},
                  "The maximum altitude allowed is [20000]"},
        LimitCase{"WindLow",
                  {"[winds]", "bottom alt=100"},
                  WindValues{.upperAltitude = 99},
                  "The minimum altitude allowed is [100]"},
        LimitCase{"WindNoLimits", {}, WindValues{.upperAltitude = -5, .speed = 900}, ""},
        LimitCase{"WindLowestZeroIsNoLimit", {"[winds]", "bottom alt=0"}, WindValues{.upperAltitude = -5}, ""},
        LimitCase{"VisibilityOrder",
                  {},
                  VisibilityValues{.range = 0, .bottom = 10, .top = 5},
                  "The bottom height is greater than the top height"},
        LimitCase{"VisibilityRange",
                  {"[visibility]", "range=1000"},
                  VisibilityValues{.range = 1001},
                  "The maximum range allowed is [1000]"},
        LimitCase{"VisibilityBottom",
                  {"[visibility]", "bottom=50"},
                  VisibilityValues{.bottom = 40, .top = 60},
                  "The minumum height allowed is [50]"},
        LimitCase{"VisibilityTop",
                  {"[visibility]", "top=50"},
                  VisibilityValues{.top = 60},
                  "The maximum height allowed is [50]"},
        // The visibility's heights hold at 0 when their keys are there, and not when missing.
        LimitCase{"VisibilityBottomBelowZero",
                  {"[visibility]", "bottom=0"},
                  VisibilityValues{.bottom = -10, .top = 60},
                  "The minumum height allowed is [0]"},
        LimitCase{"VisibilityTopAboveZero",
                  {"[visibility]", "top=0"},
                  VisibilityValues{.top = 60},
                  "The maximum height allowed is [0]"},
        LimitCase{"VisibilityHeightsMissing", {"[visibility]", "range=10"}, VisibilityValues{.bottom = -10}, ""},
        // The temperature's lowest altitude holds even when it is 0 or missing.
        LimitCase{
            "TemperatureBelowZero", {}, TemperatureValues{.altitude = -10}, "The minimum altitude allowed is [0]"},
        LimitCase{"TemperatureHigh",
                  {"[temperature]", "top alt=100"},
                  TemperatureValues{.altitude = 101},
                  "The maximum altitude allowed is [100]"},
        LimitCase{"Variation",
                  {"[temperature]", "bottom var=2"},
                  TemperatureValues{.dayNightVariation = 1},
                  "The minumum day night var allowed is [2]"},
        LimitCase{"VariationHigh",
                  {"[temperature]", "top var=2"},
                  TemperatureValues{.dayNightVariation = 3},
                  "The maximum day night var allowed is [2]"},
        LimitCase{"DayTemperature",
                  {"[temperature]", "bottom day=-40"},
                  TemperatureValues{.dayTemperature = -41},
                  "The minumum day temp allowed is [-40]"},
        LimitCase{"DayTemperatureHigh",
                  {"[temperature]", "top day=50"},
                  TemperatureValues{.dayTemperature = 51},
                  "The maximum day temp allowed is [50]"},
        LimitCase{"Dew",
                  {"[temperature]", "bottom dew=-40"},
                  TemperatureValues{.dewPoint = -41},
                  "The minumum dew allowed is [-40]"},
        LimitCase{"DewHigh",
                  {"[temperature]", "top dew=30"},
                  TemperatureValues{.dewPoint = 31},
                  "The maximum dew allowed is [30]"}),
    [](const ::testing::TestParamInfo<LimitCase>& info) { return std::string(info.param.name); });

TEST(LayerOverlap, FloorIsTheHeightOfTheLayerBefore) {
    EXPECT_EQ(OverlapFloor(WxWindLayer{.upperAltitude = 609.0f}), 1998);
    EXPECT_EQ(OverlapFloor(WxVisibilityLayer{.range = 1, .bottom = 0, .top = 3047.85f}), 9999);
    EXPECT_EQ(OverlapFloor(WxCloudLayer{.bottom = 10.0f, .top = 1000.0f}), 3281);
    EXPECT_EQ(OverlapFloor(WxTemperatureLayer{.altitude = 100.0f}), 328);
    EXPECT_EQ(PlacingHeight(CloudValues{.bottom = 7, .top = 9}), 7);
    EXPECT_EQ(OverlapMessage(1998), "The minimum height must be [1998]\n(Overlapping is not allowed)");
    EXPECT_EQ(MaximumLayersMessage(3), "The maximum number of layer  allowed is [3]");
}

// The suite's rules file admits every layer the suite writes, and names each of its choices.
class SuiteRulesTest : public ::testing::Test {
protected:
    const WeatherRules rules_ = SuiteRules();

    // Read as a host file: the suite's sources lie on no drive.
    static WeatherRules SuiteRules() {
        std::ifstream in(QUILLET_SUITE_RULES_FILE);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        EXPECT_FALSE(lines.empty());
        return WeatherRules::FromLines(lines);
    }

    template <class Layer>
    void ExpectAdmitted(const Layer& layer) {
        EXPECT_EQ(CheckLimits(ValuesOf(layer), rules_), std::nullopt);
    }
    void ExpectNamed(const rules::NameFamily& family, int32_t number) {
        EXPECT_TRUE(ChoicePosition(ChoicesOf(rules_, family), number).has_value()) << family.prefix << number;
    }
};

TEST_F(SuiteRulesTest, AdmitsTheNewRecord) {
    const WxRecord record = NewRecord(-1);
    ExpectAdmitted(record.winds[0]);
    ExpectAdmitted(record.visibilities[0]);
    ExpectAdmitted(record.temperatures[0]);
    EXPECT_GT(LayerMaximum(rules_, WxLayerKind::Cloud), 0);
}

TEST_F(SuiteRulesTest, AdmitsThePlannersBasicWeather) {
    ExpectAdmitted(WxWindLayer{6562.0f, 16.0f, 24.0f, 0, 0, 3, 2});
    for (float range : {48000.0f, 5000.0f, 100.0f}) ExpectAdmitted(WxVisibilityLayer{range, 0, 3047.85f});
    ExpectAdmitted(WxCloudLayer{6, 304.79f, 4571.78f, 0, 6, 0, 0, 1, 0, 3, 0});
    ExpectAdmitted(WxCloudLayer{10, 1500.0f, 9143.55f, 0, 8, 0, 3, 1, 0, 5, 0});
    ExpectAdmitted(WxTemperatureLayer{0, -17.0f, 5.0f, -17.0f});
    for (int32_t type : {6, 10}) ExpectNamed(rules::kCloudTypeNames, type);
    for (int32_t shown : {5, 7}) ExpectNamed(rules::kCoverageNames, shown);
    for (int32_t turbulence : {0, 2, 3}) ExpectNamed(rules::kCloudTurbulenceNames, turbulence);
    for (int32_t rate : {0, 3, 4, 5}) ExpectNamed(rules::kRainRateNames, rate);
    ExpectNamed(rules::kRainTypeNames, 1);
    ExpectNamed(rules::kIcingNames, 0);
    ExpectNamed(rules::kWindTurbulenceNames, 3);
    ExpectNamed(rules::kShearNames, 2);
}

}  // namespace
}  // namespace wx
