#include "quillet/error_list.h"

#include <cctype>
#include <limits>

#include "quillet/source_text.h"

namespace quillet {
namespace {

// A whole number, blanks around it allowed; a value too large saturates.
std::optional<long long> WholeNumber(std::string_view text) {
    text = TrimBlanks(text);
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    constexpr long long kLargest = std::numeric_limits<long long>::max();
    long long value = 0;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
        const int digit = c - '0';
        value = value > (kLargest - digit) / 10 ? kLargest : value * 10 + digit;
    }
    return negative ? -value : value;
}

}  // namespace

std::optional<ErrorLocation> ParseErrorLine(std::string_view line, std::string_view listedPath) {
    line = TrimBlanks(line);
    if (line.empty()) return std::nullopt;
    const std::size_t blank = line.find(' ', listedPath.size());
    if (blank == std::string_view::npos || blank == 0) return std::nullopt;
    const std::size_t colon = line.find(':', blank);
    if (colon == std::string_view::npos) return std::nullopt;
    const auto number = WholeNumber(line.substr(blank + 1, colon - blank - 1));
    if (!number) return std::nullopt;
    return ErrorLocation{std::string(line.substr(0, blank)), *number};
}

std::optional<ErrorStep> FindError(const std::vector<std::string>& lines, int index, bool backward,
                                   std::string_view listedPath, const std::function<bool(const std::string&)>& exists,
                                   const std::function<void(int)>& visited) {
    const int count = static_cast<int>(lines.size());
    if (index >= count || index < 0) index = 0;
    for (; index >= 0 && index < count; index += backward ? -1 : 1) {
        if (visited) visited(index);
        auto location = ParseErrorLine(lines[static_cast<std::size_t>(index)], listedPath);
        if (location && exists(location->path)) return ErrorStep{index, std::move(*location)};
    }
    return std::nullopt;
}

int PreviousErrorIndex(int index, int lineCount) {
    const int previous = index - 2;
    return previous < 0 ? lineCount - 1 : previous;
}

}  // namespace quillet
