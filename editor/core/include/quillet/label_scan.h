// The labels of an adventure source: a line that, trimmed, starts with a name without
// blanks followed by a colon, with nothing after the colon but a comment and no comment
// before it ("start: ; begins here"). The scan takes at most 256 labels from one text.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillet {

inline constexpr std::size_t kMaxLabelsPerScan = 256;

struct SourceLabel {
    std::string name;  // without its colon
    int line = 0;      // from 0
    bool operator==(const SourceLabel&) const = default;
};

// The label that the line defines, if any.
std::optional<std::string> LabelOfLine(std::string_view line);

// The labels of a text whose lines end in LF (or CR LF), in line order.
std::vector<SourceLabel> ScanLabels(std::string_view text);

// A change of the caret line from before to after made, changed or unmade a label line,
// so the labels are to be scanned again: a colon came or went, or stands behind a word
// without a blank on either side.
bool ChangesLabelLine(std::string_view before, std::string_view after);

// The first line after fromLine (wrapping to the start, fromLine itself last) whose label
// is the name.
std::optional<int> FindLabelLine(std::string_view text, std::string_view name, int fromLine);

}  // namespace quillet
