// Text helpers shared by the angle-text readers and the corrections lookup.
#pragma once

#include <string>
#include <string_view>

namespace trevalo::detail {

// The text without leading and trailing white space.
std::string TrimBlanks(std::string_view text);

// Standard decimal conversion: the leading number of the text, 0 when there is none.
double DecimalValue(const std::string& text);

}  // namespace trevalo::detail
