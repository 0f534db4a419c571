#include "text_values.h"

#include <cstdlib>

namespace trevalo::detail {

namespace {
constexpr std::string_view kBlanks = " \t\r\n\v\f";
}

std::string TrimBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    const size_t last = text.find_last_not_of(kBlanks);
    return std::string(text.substr(first, last - first + 1));
}

double DecimalValue(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

}  // namespace trevalo::detail
