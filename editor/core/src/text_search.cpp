#include "quillet/text_search.h"

#include <algorithm>
#include <cctype>

namespace quillet {
namespace {

bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }
bool EndsWord(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

bool SameChar(char a, char b, bool matchCase) {
    return matchCase ? a == b
                     : std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}

bool IsWholeWord(std::string_view text, std::size_t at, std::size_t length) {
    return (at == 0 || !IsWordChar(text[at - 1])) && (at + length == text.size() || !IsWordChar(text[at + length]));
}

}  // namespace

std::optional<std::size_t> FindText(std::string_view text, std::string_view what, std::size_t from,
                                    FindOptions options) {
    if (what.empty() || from > text.size()) return std::nullopt;
    auto at = text.begin() + static_cast<std::ptrdiff_t>(from);
    while (true) {
        at = std::search(at, text.end(), what.begin(), what.end(),
                         [&](char a, char b) { return SameChar(a, b, options.matchCase); });
        if (at == text.end()) return std::nullopt;
        const auto position = static_cast<std::size_t>(at - text.begin());
        if (!options.wholeWord || IsWholeWord(text, position, what.size())) return position;
        ++at;
    }
}

FindNextResult FindNext(std::string_view text, std::string_view what, std::size_t selectionEnd, FindOptions options,
                        const std::function<bool()>& askWrap) {
    std::size_t start = std::min(selectionEnd, text.size());
    if (start == text.size()) {
        if (askWrap && !askWrap()) return {std::nullopt, true};
        start = 0;
    }
    FindNextResult result{FindText(text, what, start, options)};
    if (!result.match && start != 0) {
        if (askWrap && !askWrap()) return {std::nullopt, true};
        result.match = FindText(text, what, 0, options);
    }
    return result;
}

TextRange WordAround(std::string_view text, std::size_t caret) {
    TextRange range{std::min(caret, text.size()), std::min(caret, text.size())};
    while (range.start > 0 && !EndsWord(text[range.start - 1])) --range.start;
    while (range.end < text.size() && !EndsWord(text[range.end])) ++range.end;
    return range;
}

int LineIndexOfNumber(long long number, int lineCount) {
    if (lineCount <= 0) return 0;
    return static_cast<int>(std::clamp<long long>(number - 1, 0, lineCount - 1));
}

}  // namespace quillet
