// Automatic indentation after Enter in adventure source: how many tabs the new line
// starts with, and how the line just finished is re-indented. The keywords count when a
// tab, a blank or the line's end follows them, in any case.
//
// - IF: the new line goes one tab deeper.
// - ENDIF: when the finished line is at least as deep as the line above it, it moves one
//   tab left, and so does the new line. ELSEIF and ELSE: the same, then one tab deeper.
// - A label line or RETURN: the finished line loses its leading tabs; the new line has one.
// - Any other line: the new line keeps its depth.
// Only leading tabs are ever removed (tabs inside a comment stay); a re-indented line
// loses its trailing blanks.
#pragma once

#include <string>
#include <string_view>

namespace quillet {

struct Indentation {
    std::string finishedLine;  // the finished line as it is to stand
    bool finishedChanged = false;
    int newLineTabs = 0;
};

Indentation IndentAfterEnter(std::string_view finishedLine, std::string_view lineAbove);

// Automatic indentation applies to documents whose path ends in "txt" (any case).
bool IndentsPath(std::string_view path);

}  // namespace quillet
