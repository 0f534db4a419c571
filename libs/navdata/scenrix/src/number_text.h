// Number conversions that never overflow: text to numbers as the C conversions
// read it (leading blanks skipped, reading stops at the first unfit character),
// and doubles to int with saturation.
#pragma once

#include <string_view>

namespace scenrix::detail {

// Truncated towards zero and clamped to the int range; NaN gives 0.
int SaturatingInt(double x);

// Whole number at the start of text, clamped to the int range; 0 when none.
int WholeNumber(std::string_view text);

// Decimal number at the start of text; 0.0 when none.
double DecimalNumber(std::string_view text);

}  // namespace scenrix::detail
