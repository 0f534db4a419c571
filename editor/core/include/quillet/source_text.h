// Tests on lines of adventure source shared by the colouring, the automatic indentation
// and the label scan: comments, quotes, labels and leading tabs.
//
// A comment starts at "'" or ";", or at the word "rem" (any case) standing alone between
// blanks or the ends of the text, so "subRemoveGear:" and "remote" are no comments. Tabs
// count as blanks throughout.
#pragma once

#include <cstddef>
#include <string_view>

namespace quillet {

bool IsBlank(char c);
// ASCII letters compared without regard to case.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
bool IsCommentChar(char c);
// The text without blanks at either end.
std::string_view TrimBlanks(std::string_view text);

// The word "rem" at position, with a blank or an end of the text on either side.
bool IsRemWordAt(std::string_view text, std::size_t position);
// The trimmed text starts a comment.
bool IsCommentLine(std::string_view text);
// A comment starts somewhere in the text before position.
bool HasCommentBefore(std::string_view text, std::size_t position);
// An odd number of double quotes: what follows is inside a quoted text.
bool IsInsideQuotes(std::string_view text);
// The trimmed line's first word ends with ":" and the rest is empty or a comment.
bool IsLabelLine(std::string_view line);
int CountLeadingTabs(std::string_view line);

}  // namespace quillet
