// Searching the text of a document: a text found from a position with the Find dialog's
// options, the next occurrence after the selection with its wrap to the start, the word
// around the caret, and line numbers typed by the user or read from the compiler.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>

namespace quillet {

struct FindOptions {
    bool matchCase = false;
    bool wholeWord = false;  // neither neighbour of the match is a letter, digit or "_"
};

// The position of the first occurrence of what at or after from; nullopt for none or an
// empty what.
std::optional<std::size_t> FindText(std::string_view text, std::string_view what, std::size_t from,
                                    FindOptions options);

// The next occurrence after the selection's end. Searching from the end of the text, or
// finding nothing after a start other than 0, goes on from the start when askWrap (if
// given) answers true.
struct FindNextResult {
    std::optional<std::size_t> match;
    bool stopped = false;  // the user declined to go on from the start
};
FindNextResult FindNext(std::string_view text, std::string_view what, std::size_t selectionEnd, FindOptions options,
                        const std::function<bool()>& askWrap);

// The word around the caret: as far as no blank, tab or line end lies on either side.
struct TextRange {
    std::size_t start = 0;
    std::size_t end = 0;
    bool operator==(const TextRange&) const = default;
};
TextRange WordAround(std::string_view text, std::size_t caret);

// The 0-based index of a line numbered from 1, kept to the lines there are (line 0 and
// negative numbers give the first line, numbers past the end the last).
int LineIndexOfNumber(long long number, int lineCount);

}  // namespace quillet
