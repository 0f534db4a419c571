#include "definition_text.h"

#include "adf/definition.h"

namespace adf {
namespace {

constexpr std::string_view kBlanks = " \t\r\n";

bool SameNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// A line that would read as a key line (a route section line: tabs are gone by now)
// is moved off the margin.
std::string KeptOffKeyShape(std::string line) {
    if (IsKeyLine(line)) line.insert(line.begin(), ' ');
    return line;
}

std::string Blanked(std::string_view text) {
    std::string line(text);
    for (char& c : line)
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    return line;
}

}  // namespace

std::string FlagText(int flag) { return flag != 0 ? "1" : "0"; }

std::string ChoiceText(int choice, std::span<const char* const> names) {
    if (choice < 0 || static_cast<size_t>(choice) >= names.size()) return {};
    return names[static_cast<size_t>(choice)];
}

int ChoiceIndex(std::string_view text, std::span<const char* const> names) {
    text = Trim(text);
    for (size_t i = 0; i < names.size(); ++i)
        if (SameNoCase(text, names[i])) return static_cast<int>(i);
    return -1;
}

std::string FreeTextLine(std::string_view text) { return KeptOffKeyShape(Blanked(text)); }

std::vector<std::string> FreeTextLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (true) {
        size_t end = text.find('\n', start);
        std::string_view line = text.substr(start, end == std::string_view::npos ? end : end - start);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.push_back(FreeTextLine(line));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return lines;
}

std::string_view Trim(std::string_view text) {
    size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace adf
