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

// The first line after fromLine (wrapping to the start, fromLine itself last) whose label
// is the name.
std::optional<int> FindLabelLine(std::string_view text, std::string_view name, int fromLine);

}  // namespace quillet
