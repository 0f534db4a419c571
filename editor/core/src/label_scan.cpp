#include "quillet/label_scan.h"

#include "quillet/source_text.h"

namespace quillet {
namespace {

// Calls visit(line, index) for each line of the text until it returns false.
template <class Visit>
void ForEachLine(std::string_view text, Visit visit) {
    int index = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!visit(line, index++) || end == std::string_view::npos) return;
        text.remove_prefix(end + 1);
    }
}

}  // namespace

std::optional<std::string> LabelOfLine(std::string_view line) {
    const std::string_view trimmed = TrimBlanks(line);
    const std::size_t colon = trimmed.find(':');
    if (colon == std::string_view::npos || colon == 0) return std::nullopt;
    const std::string_view name = trimmed.substr(0, colon);
    const std::string_view rest = trimmed.substr(colon + 1);
    if (name.find_first_of(" \t") != std::string_view::npos || HasCommentBefore(trimmed, colon)) return std::nullopt;
    if (!TrimBlanks(rest).empty() && !IsCommentLine(rest)) return std::nullopt;
    return std::string(name);
}

bool ChangesLabelLine(std::string_view before, std::string_view after) {
    const auto blankBeforeColon = [](std::string_view line) {
        return line.substr(0, line.find(':')).find_first_of(" \t") != std::string_view::npos;
    };
    const bool colonBefore = before.find(':') != std::string_view::npos;
    const bool colonAfter = after.find(':') != std::string_view::npos;
    if (!colonBefore && !colonAfter) return false;
    return !(blankBeforeColon(before) && blankBeforeColon(after));
}

std::vector<SourceLabel> ScanLabels(std::string_view text) {
    std::vector<SourceLabel> labels;
    ForEachLine(text, [&](std::string_view line, int index) {
        if (auto name = LabelOfLine(line)) labels.push_back({std::move(*name), index});
        return labels.size() < kMaxLabelsPerScan;
    });
    return labels;
}

std::optional<int> FindLabelLine(std::string_view text, std::string_view name, int fromLine) {
    std::optional<int> first;
    std::optional<int> after;
    ForEachLine(text, [&](std::string_view line, int index) {
        const auto label = LabelOfLine(line);
        if (!label || *label != name) return true;
        if (!first) first = index;
        if (index > fromLine) after = index;
        return !after;
    });
    return after ? after : first;
}

}  // namespace quillet
