#include "wx/rule_choices.h"

#include <algorithm>

#include "platform/numbers.h"

namespace wx {

std::string_view rules::SectionOf(WxLayerKind kind) {
    switch (kind) {
        case WxLayerKind::Wind:
            return kWinds;
        case WxLayerKind::Visibility:
            return kVisibility;
        case WxLayerKind::Cloud:
            return kCloud;
        case WxLayerKind::Temperature:
            return kTemperature;
    }
    return {};
}

int FamilyCount(const WeatherRules& rules, const rules::NameFamily& family) {
    if (family.totalKey.empty()) return family.count;
    const double total = rules.GetRuleDouble(family.section, family.totalKey, 0);
    return std::clamp(platform::SaturatingInt(total), 0, rules::kMaxCountedNames);
}

RuleChoices ChoicesOf(const WeatherRules& rules, const rules::NameFamily& family) {
    RuleChoices choices;
    const int count = FamilyCount(rules, family);
    const std::string unknown(rules::kUnknownName);
    for (int number = 0; number < count; ++number) {
        std::string name =
            rules.GetRuleString(family.section, std::string(family.prefix) + std::to_string(number), unknown);
        if (!name.empty() && name != unknown) choices.push_back({number, std::move(name)});
    }
    return choices;
}

std::optional<size_t> ChoicePosition(const RuleChoices& choices, int32_t number) {
    const auto found = std::find_if(choices.begin(), choices.end(),
                                    [number](const RuleChoice& choice) { return choice.number == number; });
    if (found == choices.end()) return std::nullopt;
    return static_cast<size_t>(found - choices.begin());
}

std::string ChoiceName(const RuleChoices& choices, int32_t number) {
    if (choices.empty()) return {};
    return choices[ChoicePosition(choices, number).value_or(0)].name;
}

int32_t ChoiceNumber(const RuleChoices& choices, std::string_view name) {
    const auto found =
        std::find_if(choices.begin(), choices.end(), [name](const RuleChoice& choice) { return choice.name == name; });
    return found == choices.end() ? 0 : found->number;
}

double RuleLimit(const WeatherRules& rules, std::string_view section, std::string_view key) {
    return rules.GetRuleDouble(section, key, 0);
}

std::optional<double> PresentRuleLimit(const WeatherRules& rules, std::string_view section, std::string_view key) {
    if (rules.GetRuleString(section, key, {}).empty()) return std::nullopt;
    return RuleLimit(rules, section, key);
}

int32_t LayerMaximum(const WeatherRules& rules, WxLayerKind kind) {
    return std::max(0, platform::SaturatingInt(RuleLimit(rules, rules::SectionOf(kind), rules::kMax)));
}

bool LayersMayOverlap(const WeatherRules& rules, WxLayerKind kind) {
    return rules.GetRuleBool(rules::SectionOf(kind), rules::kOverlap, false);
}

}  // namespace wx
