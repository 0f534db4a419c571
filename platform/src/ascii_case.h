// Case-insensitive comparison of single-byte text (ASCII letters only fold).
#pragma once

#include <string>
#include <string_view>

namespace platform {

char ToLowerAscii(char c);
std::string ToLowerAscii(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
// Negative, zero or positive like strcmp, with letters folded to lower case.
int CompareIgnoreCase(std::string_view a, std::string_view b);
bool EndsWithIgnoreCase(std::string_view text, std::string_view suffix);

}  // namespace platform
