#include "wx/weather_rules.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>

#include "platform/numbers.h"
#include "platform/text.h"
#include "platform/text_file.h"

namespace wx {
namespace {

bool IsSectionHeader(std::string_view line) { return line.size() >= 2 && line.front() == '[' && line.back() == ']'; }

// A limit is a finite number: NaN reads as 0 (no limit), infinities as the largest values.
double Finite(double value) {
    if (std::isnan(value)) return 0.0;
    return std::clamp(value, -std::numeric_limits<double>::max(), std::numeric_limits<double>::max());
}

}  // namespace

WeatherRules WeatherRules::Load(const std::string& path) {
    std::vector<std::string> lines;
    if (path.empty() || !platform::ReadLines(path, lines)) return {};
    return FromLines(lines);
}

WeatherRules WeatherRules::FromLines(const std::vector<std::string>& lines) {
    WeatherRules rules;
    std::set<std::string, std::less<>> seen;
    // Entries go to the first appearance of a section only; nullptr outside one.
    std::map<std::string, std::string, std::less<>>* current = nullptr;
    for (const std::string& raw : lines) {
        const std::string line = platform::Trimmed(raw);
        if (line.empty() || line.front() == ';') continue;
        if (IsSectionHeader(line)) {
            current = seen.insert(line).second ? &rules.sections_[line] : nullptr;
            continue;
        }
        const size_t equals = line.find('=');
        if (current == nullptr || equals == std::string::npos || equals == 0) continue;
        // The key is the text right before "=": a blank before it is part of the key.
        current->try_emplace(line.substr(0, equals), platform::Trimmed(std::string_view(line).substr(equals + 1)));
    }
    return rules;
}

const std::string* WeatherRules::Find(std::string_view section, std::string_view key) const {
    const auto found = sections_.find(section);
    if (found == sections_.end()) return nullptr;
    const auto entry = found->second.find(key);
    return entry == found->second.end() ? nullptr : &entry->second;
}

std::string WeatherRules::GetRuleString(std::string_view section, std::string_view key,
                                        const std::string& defaultValue) const {
    const std::string* value = Find(section, key);
    return value ? *value : defaultValue;
}

double WeatherRules::GetRuleDouble(std::string_view section, std::string_view key, double defaultValue) const {
    const std::string* value = Find(section, key);
    return value && !value->empty() ? Finite(platform::LeadingDouble(*value)) : defaultValue;
}

bool WeatherRules::GetRuleBool(std::string_view section, std::string_view key, bool defaultValue) const {
    const std::string* value = Find(section, key);
    if (value && *value == "false") return false;
    if (value && *value == "true") return true;
    return defaultValue;
}

}  // namespace wx
