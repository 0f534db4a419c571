// Numbers at the start of a value text, as the suite's readers have always taken them:
// leading blanks skipped, reading stops at the first character that cannot continue
// the number, no number gives 0.
#pragma once

#include <string_view>

namespace adf::detail {

double LeadingDouble(std::string_view text);
// Saturated to the range of int.
int LeadingInt(std::string_view text);

}  // namespace adf::detail
