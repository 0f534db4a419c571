// Reads arbitrary text as a rules file and asks it for every name family and limit: no
// lookup may read outside the text, a total never offers more than the cap, and numbers
// stay finite.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "wx/layer_limits.h"
#include "wx/rule_choices.h"
#include "wx/weather_rules.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream text(std::string(reinterpret_cast<const char*>(data), size));
    std::vector<std::string> lines;
    for (std::string line; std::getline(text, line);) lines.push_back(line);
    const wx::WeatherRules rules = wx::WeatherRules::FromLines(lines);
    // Every key of every line, looked up in the section the line stands in.
    std::string section;
    for (const std::string& line : lines) {
        if (!line.empty() && line.front() == '[') section = line;
        const std::string key = line.substr(0, line.find('='));
        if (!std::isfinite(rules.GetRuleDouble(section, key, 0))) std::abort();
    }

    using namespace wx::rules;
    for (const NameFamily& family : {kCoverageNames, kCloudTypeNames, kCloudTurbulenceNames, kIcingNames,
                                     kRainRateNames, kRainTypeNames, kWindTurbulenceNames, kShearNames}) {
        const wx::RuleChoices choices = wx::ChoicesOf(rules, family);
        if (choices.size() > static_cast<size_t>(kMaxCountedNames)) std::abort();
        for (const wx::RuleChoice& choice : choices)
            if (wx::ChoiceNumber(choices, choice.name) > choice.number) std::abort();
    }
    for (wx::WxLayerKind kind : wx::kWxLayerKinds) {
        wx::LayerMaximum(rules, kind);
        wx::LayersMayOverlap(rules, kind);
    }
    wx::CheckLimits(wx::WindValues{.upperAltitude = INT32_MIN, .speed = INT32_MAX}, rules);
    wx::CheckLimits(wx::VisibilityValues{.range = INT32_MAX, .bottom = INT32_MIN}, rules);
    wx::CheckLimits(wx::CloudValues{.bottom = INT32_MIN, .top = INT32_MAX}, rules);
    wx::CheckLimits(wx::TemperatureValues{.altitude = INT32_MAX, .dewPoint = INT32_MIN}, rules);
    return 0;
}
