// The weather rules file AdvWx.rul: names of the editor's choices and limits of the values
// the user may enter, in sections ("[cloud]", "[winds]", ...) of "key=value" lines. The
// file is read once into a WeatherRules; each dialog reads it when it runs, so a change to
// the file takes effect at the next dialog.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace wx {

class WeatherRules {
public:
    // No rules: every lookup gives its default.
    WeatherRules() = default;

    // The rules of a file; none when the path is empty or no file is there.
    static WeatherRules Load(const std::string& path);
    // The rules of the file's lines (line ends already dropped).
    static WeatherRules FromLines(const std::vector<std::string>& lines);

    // The value of the key in the section (brackets included: "[cloud]"), or the default.
    std::string GetRuleString(std::string_view section, std::string_view key, const std::string& defaultValue) const;
    // The value's leading number (0 when it starts with none; text after it is ignored);
    // the default when the value is missing or empty. Never infinite or NaN.
    double GetRuleDouble(std::string_view section, std::string_view key, double defaultValue) const;
    // False for exactly "false", true for exactly "true", else the default.
    bool GetRuleBool(std::string_view section, std::string_view key, bool defaultValue) const;

private:
    const std::string* Find(std::string_view section, std::string_view key) const;

    // Section name -> key -> value; the first of a repeated key or section wins.
    std::map<std::string, std::map<std::string, std::string, std::less<>>, std::less<>> sections_;
};

}  // namespace wx
