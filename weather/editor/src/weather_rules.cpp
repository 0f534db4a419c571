#include "wx/weather_rules.h"

#include <cctype>
#include <charconv>
#include <limits>
#include <set>

#include "platform/text.h"
#include "platform/text_file.h"

namespace wx {
namespace {

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

size_t DigitsFrom(std::string_view text, size_t at) {
    while (at < text.size() && IsDigit(text[at])) ++at;
    return at;
}

bool IsSectionHeader(std::string_view line) {
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

}  // namespace

double LeadingDecimal(std::string_view text) {
    size_t end = 0;
    bool negative = false;
    if (end < text.size() && (text[end] == '+' || text[end] == '-')) negative = text[end++] == '-';
    const size_t digitsStart = end;
    end = DigitsFrom(text, end);
    size_t digits = end - digitsStart;
    if (end < text.size() && text[end] == '.') {
        const size_t fractionEnd = DigitsFrom(text, end + 1);
        digits += fractionEnd - (end + 1);
        end = fractionEnd;
    }
    if (digits == 0) return 0.0;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        size_t exponent = end + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
        const size_t exponentEnd = DigitsFrom(text, exponent);
        if (exponentEnd > exponent) end = exponentEnd;
    }
    // from_chars takes no '+' sign; the sign is applied below.
    std::string_view number = text.substr(digitsStart, end - digitsStart);
    double value = 0.0;
    const auto [last, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)last;
    if (error == std::errc::result_out_of_range) {
        // Too large or too small: a mantissa with an exponent below zero underflowed.
        const size_t e = number.find_first_of("eE");
        const bool tiny = e != std::string_view::npos && e + 1 < number.size() && number[e + 1] == '-';
        value = tiny ? 0.0 : std::numeric_limits<double>::max();
    }
    return negative ? -value : value;
}

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
    return value && !value->empty() ? LeadingDecimal(*value) : defaultValue;
}

bool WeatherRules::GetRuleBool(std::string_view section, std::string_view key, bool defaultValue) const {
    const std::string* value = Find(section, key);
    if (value && *value == "false") return false;
    if (value && *value == "true") return true;
    return defaultValue;
}

}  // namespace wx
