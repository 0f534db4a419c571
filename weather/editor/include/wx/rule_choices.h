// The named choices of the rules file and the limits it sets. A choice is kept with its
// key number: a stored number is shown as the name of the key with that number and a
// chosen name is stored as its key's number, so showing and storing agree whatever names
// are left out.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "wx/rule_keys.h"
#include "wx/weather_rules.h"
#include "wx/wx_layout.h"

namespace wx {

struct RuleChoice {
    int32_t number = 0;  // the key's number
    std::string name;
};
using RuleChoices = std::vector<RuleChoice>;

// How many keys a family has: its fixed count, or its total key cut to 0..kMaxCountedNames.
int FamilyCount(const WeatherRules& rules, const rules::NameFamily& family);
// The family's offered names in key order: those that are neither empty nor "unknown".
RuleChoices ChoicesOf(const WeatherRules& rules, const rules::NameFamily& family);

// Where the choice of a stored number stands among the choices; nullopt when its key
// offers no name.
std::optional<size_t> ChoicePosition(const RuleChoices& choices, int32_t number);
// The name shown for a stored number: its key's name, else the first offered name, else
// empty.
std::string ChoiceName(const RuleChoices& choices, int32_t number);
// The number stored for a name: that of the first choice with the name, 0 when none.
int32_t ChoiceNumber(const RuleChoices& choices, std::string_view name);

// A limit of the rules: 0 (no limit) when the key is missing.
double RuleLimit(const WeatherRules& rules, std::string_view section, std::string_view key);
// A limit of the rules; nullopt when the key is missing or its value empty.
std::optional<double> PresentRuleLimit(const WeatherRules& rules, std::string_view section, std::string_view key);
// The most layers of a kind ("max"); 0 means no maximum.
int32_t LayerMaximum(const WeatherRules& rules, WxLayerKind kind);
// Whether layers of a kind may overlap ("overlap", default false).
bool LayersMayOverlap(const WeatherRules& rules, WxLayerKind kind);

}  // namespace wx
