#include "quillet/auto_indent.h"

#include <algorithm>
#include <cctype>

#include "quillet/source_text.h"

namespace quillet {
namespace {

// The text starts with the keyword (upper case) followed by a blank or its end.
bool StartsWithKeyword(std::string_view text, std::string_view keyword) {
    if (text.size() < keyword.size()) return false;
    for (std::size_t i = 0; i < keyword.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(text[i])) != keyword[i]) return false;
    return text.size() == keyword.size() || IsBlank(text[keyword.size()]);
}

// The line without count leading tabs (all of them when count is negative) and without
// its trailing blanks.
std::string RemoveLeadingTabs(std::string_view line, int count) {
    const int leading = CountLeadingTabs(line);
    const int removed = count < 0 ? leading : std::min(count, leading);
    std::string_view rest = line.substr(static_cast<std::size_t>(removed));
    while (!rest.empty() && rest.back() == ' ') rest.remove_suffix(1);
    return std::string(rest);
}

}  // namespace

Indentation IndentAfterEnter(std::string_view finishedLine, std::string_view lineAbove) {
    Indentation result{std::string(finishedLine), false, CountLeadingTabs(finishedLine)};
    const std::string_view body = finishedLine.substr(static_cast<std::size_t>(result.newLineTabs));
    const auto reindent = [&](int count) {
        result.finishedLine = RemoveLeadingTabs(finishedLine, count);
        result.finishedChanged = result.finishedLine != finishedLine;
    };
    const auto moveLeft = [&] {
        if (result.newLineTabs == 0 || result.newLineTabs < CountLeadingTabs(lineAbove)) return;
        reindent(1);
        --result.newLineTabs;
    };
    if (StartsWithKeyword(body, "IF")) {
        ++result.newLineTabs;
    } else if (StartsWithKeyword(body, "ENDIF")) {
        moveLeft();
    } else if (StartsWithKeyword(body, "ELSEIF") || StartsWithKeyword(body, "ELSE")) {
        moveLeft();
        ++result.newLineTabs;
    } else if (IsLabelLine(finishedLine) || StartsWithKeyword(body, "RETURN")) {
        reindent(-1);
        result.newLineTabs = 1;
    }
    return result;
}

bool IndentsPath(std::string_view path) {
    constexpr std::string_view kSuffix = "txt";
    return path.size() >= kSuffix.size() && EqualsIgnoringCase(path.substr(path.size() - kSuffix.size()), kSuffix);
}

}  // namespace quillet
