#include "quillet/source_text.h"

#include <algorithm>
#include <cctype>

namespace quillet {
namespace {

constexpr std::string_view kRemWord = "rem";

}  // namespace

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsCommentChar(char c) { return c == '\'' || c == ';'; }

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool IsRemWordAt(std::string_view text, std::size_t position) {
    if (position > text.size() || text.size() - position < kRemWord.size()) return false;
    if (!EqualsIgnoringCase(text.substr(position, kRemWord.size()), kRemWord)) return false;
    const std::size_t end = position + kRemWord.size();
    return (position == 0 || IsBlank(text[position - 1])) && (end == text.size() || IsBlank(text[end]));
}

bool IsCommentLine(std::string_view text) {
    const std::string_view trimmed = TrimBlanks(text);
    return !trimmed.empty() && (IsCommentChar(trimmed.front()) || IsRemWordAt(trimmed, 0));
}

bool HasCommentBefore(std::string_view text, std::size_t position) {
    const std::string_view before = text.substr(0, std::min(position, text.size()));
    for (std::size_t i = 0; i < before.size(); ++i)
        if (IsCommentChar(before[i]) || IsRemWordAt(before, i)) return true;
    return false;
}

bool IsInsideQuotes(std::string_view text) { return std::count(text.begin(), text.end(), '"') % 2 == 1; }

bool IsLabelLine(std::string_view line) {
    const std::string_view trimmed = TrimBlanks(line);
    const std::size_t wordEnd = std::min(trimmed.find_first_of(" \t"), trimmed.size());
    if (wordEnd == 0 || trimmed[wordEnd - 1] != ':') return false;
    const std::string_view rest = TrimBlanks(trimmed.substr(wordEnd));
    return rest.empty() || IsCommentLine(rest);
}

int CountLeadingTabs(std::string_view line) {
    int count = 0;
    while (static_cast<std::size_t>(count) < line.size() && line[count] == '\t') ++count;
    return count;
}

}  // namespace quillet
