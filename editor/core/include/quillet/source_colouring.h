// The colour of each part of a line of adventure source, decided on the text alone.
//
// A line is cut into tokens: a separator (" + - / = > < , ( )") is a token of its own, a
// comment character ends the token before it, and a blank followed by a non-blank ends
// the word it follows (the blank is coloured with it). A token is a comment when it
// starts at a comment character or is the word "rem"; a command or label when the command
// list knows it or it ends in ":"; and any token after an odd number of double quotes is
// quoted text. A comment colours the rest of the line. A line of 256 characters or more
// is coloured whole as a long line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace quillet {

class CommandList;

enum class ColourKind { Plain = 1, CommandOrLabel = 2, Comment = 3, Quoted = 4, LongLine = 5 };

inline constexpr std::size_t kLongLineLength = 256;

// The colour of a kind in the platform's 0x00BBGGRR order.
std::uint32_t ColourValue(ColourKind kind);

struct ColourSpan {
    std::size_t start = 0;
    std::size_t length = 0;
    ColourKind kind = ColourKind::Plain;
    bool operator==(const ColourSpan&) const = default;
};

// The trimmed text is a command of the list (looked up in upper case) or ends in ":".
bool IsCommandOrLabel(std::string_view text, const CommandList& commands);

// The line's spans in order, covering it whole; neighbours of one kind are joined.
std::vector<ColourSpan> ColourLine(std::string_view line, const CommandList& commands);

}  // namespace quillet
