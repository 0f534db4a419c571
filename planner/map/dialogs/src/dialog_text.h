// Small text helpers of the map dialogs.
#pragma once

#include <string>
#include <string_view>

namespace trevalo::mapdialogs_detail {

// The text without white space on either side.
std::string Trimmed(std::string_view text);
std::string UpperCased(std::string_view text);

// printf-style formatting into a std::string.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// A dialog template's static text as the user sees it: "&&" stands for one "&".
std::string StaticText(std::string_view templateText);

}  // namespace trevalo::mapdialogs_detail
