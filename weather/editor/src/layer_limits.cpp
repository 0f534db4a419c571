#include "wx/layer_limits.h"

#include <optional>
#include <span>
#include <string_view>

#include "platform/numbers.h"
#include "wx/rule_choices.h"
#include "wx/rule_keys.h"
#include "wx/wx_units.h"

namespace wx {
namespace {

using namespace rules;

enum class Test {
    Below,           // value below the key's limit
    Above,           // value above the key's limit
    TopBelowBottom,  // value (a top) below other (its bottom)
};

// When a limit holds.
enum class Holds {
    WhenSet,      // a limit of 0 or a missing one is none
    WhenPresent,  // a limit of 0 holds; a missing one is none
    Always,       // a limit of 0 holds, and a missing one is 0
};

template <class Values>
struct LimitCheck {
    Test test;
    int32_t Values::*value;
    std::string_view key;      // the limit; for TopBelowBottom none
    std::string_view message;  // "%d" stands for the limit
    Holds holds = Holds::WhenSet;
    std::string_view whileSet = {};  // the limit holds only while this key is set too
    int32_t Values::*other = nullptr;
};

template <class Values>
using Checks = std::span<const LimitCheck<Values>>;

constexpr std::string_view kMinimumAltitude = "The minimum altitude allowed is [%d]";
constexpr std::string_view kMaximumAltitude = "The maximum altitude allowed is [%d]";

// A cloud's lower limits hold, 0 too, while the upper limit of the same value is set.
constexpr LimitCheck<CloudValues> kCloudChecks[] = {
    {Test::Below, &CloudValues::rainBase, kBottomBase, kMinimumAltitude, Holds::Always, kTopBase},
    {Test::Above, &CloudValues::rainBase, kTopBase, kMaximumAltitude},
    {Test::Below, &CloudValues::deviation, kBottomDev, "The minimum deviation allowed is [%d]", Holds::Always, kTopDev},
    {Test::Above, &CloudValues::deviation, kTopDev, "The maximum deviation allowed is [%d]"},
    {Test::TopBelowBottom,
     &CloudValues::top,
     {},
     "The bottom altitude cannot be more than the top altitude",
     Holds::WhenSet,
     {},
     &CloudValues::bottom},
    {Test::Below, &CloudValues::bottom, kBottomAlt, kMinimumAltitude, Holds::Always, kTopAlt},
    {Test::Above, &CloudValues::top, kTopAlt, kMaximumAltitude},
};

constexpr LimitCheck<WindValues> kWindChecks[] = {
    {Test::Above, &WindValues::gusts, kGusty, "The maximum gust allowed is [%d]"},
    {Test::Above, &WindValues::speed, kSpeed, "The maximum speed allowed is [%d]"},
    {Test::Above, &WindValues::upperAltitude, kTopAlt, kMaximumAltitude},
    {Test::Below, &WindValues::upperAltitude, kBottomAlt, kMinimumAltitude},
};

constexpr LimitCheck<VisibilityValues> kVisibilityChecks[] = {
    {Test::TopBelowBottom,
     &VisibilityValues::top,
     {},
     "The bottom height is greater than the top height",
     Holds::WhenSet,
     {},
     &VisibilityValues::bottom},
    {Test::Above, &VisibilityValues::range, kRange, "The maximum range allowed is [%d]"},
    {Test::Below, &VisibilityValues::bottom, kBottom, "The minumum height allowed is [%d]", Holds::WhenPresent},
    {Test::Above, &VisibilityValues::top, kTop, "The maximum height allowed is [%d]", Holds::WhenPresent},
};

constexpr LimitCheck<TemperatureValues> kTemperatureChecks[] = {
    {Test::Below, &TemperatureValues::altitude, kBottomAlt, kMinimumAltitude, Holds::Always},
    {Test::Above, &TemperatureValues::altitude, kTopAlt, kMaximumAltitude},
    {Test::Below, &TemperatureValues::dayNightVariation, kBottomVar, "The minumum day night var allowed is [%d]"},
    {Test::Above, &TemperatureValues::dayNightVariation, kTopVar, "The maximum day night var allowed is [%d]"},
    {Test::Below, &TemperatureValues::dayTemperature, kBottomDay, "The minumum day temp allowed is [%d]"},
    {Test::Above, &TemperatureValues::dayTemperature, kTopDay, "The maximum day temp allowed is [%d]"},
    {Test::Below, &TemperatureValues::dewPoint, kBottomDew, "The minumum dew allowed is [%d]"},
    {Test::Above, &TemperatureValues::dewPoint, kTopDew, "The maximum dew allowed is [%d]"},
};

std::string WithNumber(std::string_view message, int32_t number) {
    std::string text(message);
    if (const size_t at = text.find("%d"); at != std::string::npos) text.replace(at, 2, std::to_string(number));
    return text;
}

template <class Values>
bool Holding(const LimitCheck<Values>& check, const WeatherRules& rules, std::string_view section,
             std::optional<double> limit) {
    if (!check.whileSet.empty() && RuleLimit(rules, section, check.whileSet) == 0) return false;
    switch (check.holds) {
        case Holds::WhenSet:
            return limit.value_or(0) != 0;
        case Holds::WhenPresent:
            return limit.has_value();
        case Holds::Always:
            return true;
    }
    return false;
}

template <class Values>
bool Breaks(const LimitCheck<Values>& check, const Values& values, double limit) {
    const double value = values.*check.value;
    switch (check.test) {
        case Test::TopBelowBottom:
            return values.*check.value < values.*check.other;
        case Test::Above:
            return value > limit;
        case Test::Below:
            return value < limit;
    }
    return false;
}

template <class Values>
std::optional<std::string> FirstBroken(Checks<Values> checks, const Values& values, const WeatherRules& rules,
                                       std::string_view section) {
    for (const LimitCheck<Values>& check : checks) {
        if (check.test == Test::TopBelowBottom) {
            if (Breaks(check, values, 0)) return std::string(check.message);
            continue;
        }
        const std::optional<double> limit = PresentRuleLimit(rules, section, check.key);
        if (Holding(check, rules, section, limit) && Breaks(check, values, limit.value_or(0)))
            return WithNumber(check.message, platform::SaturatingInt(limit.value_or(0)));
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> CheckLimits(const WindValues& values, const WeatherRules& rules) {
    return FirstBroken<WindValues>(kWindChecks, values, rules, kWinds);
}
std::optional<std::string> CheckLimits(const VisibilityValues& values, const WeatherRules& rules) {
    return FirstBroken<VisibilityValues>(kVisibilityChecks, values, rules, kVisibility);
}
std::optional<std::string> CheckLimits(const CloudValues& values, const WeatherRules& rules) {
    return FirstBroken<CloudValues>(kCloudChecks, values, rules, kCloud);
}
std::optional<std::string> CheckLimits(const TemperatureValues& values, const WeatherRules& rules) {
    return FirstBroken<TemperatureValues>(kTemperatureChecks, values, rules, kTemperature);
}

int32_t PlacingHeight(const WindValues& values) { return values.upperAltitude; }
int32_t PlacingHeight(const VisibilityValues& values) { return values.bottom; }
int32_t PlacingHeight(const CloudValues& values) { return values.bottom; }
int32_t PlacingHeight(const TemperatureValues& values) { return values.altitude; }

int32_t OverlapFloor(const WxLayer& previous) {
    return std::visit(
        [](const auto& layer) -> int32_t {
            using Layer = std::decay_t<decltype(layer)>;
            if constexpr (std::is_same_v<Layer, WxWindLayer>)
                return ShownFeet(layer.upperAltitude);
            else if constexpr (std::is_same_v<Layer, WxTemperatureLayer>)
                return ShownFeet(layer.altitude);
            else
                return ShownFeet(layer.top);
        },
        previous);
}

std::string OverlapMessage(int32_t floor) {
    return WithNumber("The minimum height must be [%d]\n(Overlapping is not allowed)", floor);
}

std::string MaximumLayersMessage(int32_t maximum) {
    return WithNumber("The maximum number of layer  allowed is [%d]", maximum);
}

}  // namespace wx
