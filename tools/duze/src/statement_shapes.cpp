#include "statement_shapes.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string_view>

#include "platform/numbers.h"

namespace duze {
namespace {

constexpr std::string_view kPerformanceLevels[] = {"LOW", "MEDIUM", "HIGH", "FRAME"};
constexpr std::string_view kKeyModifiers[] = {"CTRL", "SHIFT", "ALT"};
constexpr std::string_view kSpeedVariables[] = {"VELOCITY_INDICATED", "VELOCITY_TRUE"};
constexpr std::string_view kComparisons[] = {">=", "<=", "<>", ">", "<", "="};
// Words that end a condition: one of them straight after a comparison leaves it empty.
constexpr std::string_view kConditionEnds[] = {"GOSUB", "GOTO", "THEN", "AND", "OR"};

std::string Upper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

template <size_t N>
bool OneOf(const std::string_view (&words)[N], std::string_view word) {
    return std::find(std::begin(words), std::end(words), word) != std::end(words);
}

// The line up to its comment: a quote outside a string starts it.
std::string WithoutComment(const std::string& line) {
    bool inString = false;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            inString = !inString;
        else if (line[i] == '\'' && !inString)
            return line.substr(0, i);
    }
    return line;
}

void SkipBlanks(std::string_view text, size_t& at) {
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
}

std::string_view WordAt(std::string_view text, size_t& at) {
    const size_t start = at;
    while (at < text.size() && IsWordChar(text[at])) ++at;
    return text.substr(start, at - start);
}

// Whether the word at `at` stands alone (not the end of a longer name).
bool StartsWord(std::string_view text, size_t at) { return at == 0 || !IsWordChar(text[at - 1]); }

// "PERFORMANCE <level> <whole number>".
std::optional<std::string> PerformanceError(std::string_view code) {
    size_t at = 0;
    SkipBlanks(code, at);
    if (Upper(WordAt(code, at)) != "PERFORMANCE") return std::nullopt;
    SkipBlanks(code, at);
    const std::string level = Upper(WordAt(code, at));
    const std::string_view rest = code.substr(at);
    const std::optional<int> number = platform::ParseInt(rest);
    if (OneOf(kPerformanceLevels, level) && number && *number >= 0 && !rest.empty() &&
        (rest.front() == ' ' || rest.front() == '\t'))
        return std::nullopt;
    return "PERFORMANCE needs a level (LOW, MEDIUM, HIGH or FRAME) and a number";
}

// Every KV( holds an optional modifier and a quoted key: KV(CTRL "p").
bool KeyIsWellFormed(std::string_view code, size_t at) {
    SkipBlanks(code, at);
    while (true) {
        size_t after = at;
        if (!OneOf(kKeyModifiers, Upper(WordAt(code, after))) || after == at) break;
        at = after;
        SkipBlanks(code, at);
    }
    if (at >= code.size() || code[at] != '"') return false;
    const size_t close = code.find('"', at + 1);
    if (close == std::string_view::npos || close == at + 1) return false;
    at = close + 1;
    SkipBlanks(code, at);
    return at < code.size() && code[at] == ')';
}

std::optional<std::string> KeyError(std::string_view code) {
    const std::string upper = Upper(code);
    for (size_t at = upper.find("KV("); at != std::string::npos; at = upper.find("KV(", at + 1)) {
        if (StartsWord(upper, at) && !KeyIsWellFormed(code, at + 3)) return "KV needs a key: KV(CTRL \"k\")";
    }
    return std::nullopt;
}

// A speed variable compared with a number compares with a positive speed.
std::optional<std::string> SpeedError(std::string_view code) {
    const std::string upper = Upper(code);
    for (std::string_view variable : kSpeedVariables) {
        for (size_t at = upper.find(variable); at != std::string::npos; at = upper.find(variable, at + 1)) {
            size_t after = at + variable.size();
            if (!StartsWord(upper, at) || (after < upper.size() && IsWordChar(upper[after]))) continue;
            SkipBlanks(upper, after);
            const auto comparison =
                std::find_if(std::begin(kComparisons), std::end(kComparisons),
                             [&](std::string_view op) { return upper.compare(after, op.size(), op) == 0; });
            if (comparison == std::end(kComparisons)) continue;
            after += comparison->size();
            SkipBlanks(upper, after);
            const char first = after < upper.size() ? upper[after] : '\0';
            const bool isNumber =
                std::isdigit(static_cast<unsigned char>(first)) || first == '-' || first == '+' || first == '.';
            size_t wordEnd = after;
            const bool empty = first == '\0' || OneOf(kConditionEnds, WordAt(upper, wordEnd));
            if (!empty && !isNumber) continue;  // compared with a variable
            size_t length = 0;
            const double speed = isNumber ? platform::LeadingDouble(upper.substr(after), length) : 0.0;
            if (length == 0 || speed <= 0.0) return std::string(variable) + " must be compared with a positive speed";
        }
    }
    return std::nullopt;
}

}  // namespace

std::vector<std::string> StatementShapeErrors(const std::string& line) {
    const std::string code = WithoutComment(line);
    std::vector<std::string> errors;
    for (auto check : {PerformanceError, KeyError, SpeedError})
        if (std::optional<std::string> error = check(code)) errors.push_back(std::move(*error));
    return errors;
}

}  // namespace duze
