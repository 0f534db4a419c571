// How the definition writes and reads its values: flags, choices by name, free texts
// that cannot forge a key line.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace adf {

std::string FlagText(int flag);
// The choice's name; empty when it is out of range (the key line then gets an empty
// value line).
std::string ChoiceText(int choice, std::span<const char* const> names);
// The index of the name, compared trimmed and without regard to case; -1 when none.
int ChoiceIndex(std::string_view text, std::span<const char* const> names);

// One line of free text: tabs, CR and LF become blanks.
std::string FreeTextLine(std::string_view text);
// A text of several lines (LF or CR LF), each made safe as above.
std::vector<std::string> FreeTextLines(std::string_view text);

std::string_view Trim(std::string_view text);

}  // namespace adf
