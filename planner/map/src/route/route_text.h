// Small text helpers of the route code.
#pragma once

#include <string>
#include <string_view>

namespace trevalo::route_detail {

// The text without blanks (and other white space) on either side.
std::string Trimmed(std::string_view text);

inline bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

inline bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// printf-style formatting into a std::string.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace trevalo::route_detail
