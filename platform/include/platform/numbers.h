// Numbers in text, the same in every locale: the leading number of a text as the C
// library's conversions read it, a text that must be one number as a whole, the "%f"
// and "%d" texts of numbers, and conversions that never overflow.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/export.h"

namespace platform {

// The number at the start of a text, read as strtod and strtol read it: white space
// skipped, an optional sign, then as far as the text can continue the number. A text
// without a number reads as 0.
PLATFORM_API double LeadingDouble(std::string_view text);
// Also gives how many characters the number took, white space included; 0 for none.
PLATFORM_API double LeadingDouble(std::string_view text, std::size_t& length);
// Whole number; values beyond int are clamped to its range.
PLATFORM_API int LeadingInt(std::string_view text);

// The whole text as one number, white space around it allowed and nothing else; none
// for any other text and for a number beyond the type's range or, for doubles, not
// finite. For what a user typed or a setting holds.
PLATFORM_API std::optional<int> ParseInt(std::string_view text);
PLATFORM_API std::optional<double> ParseDouble(std::string_view text);

// Truncated toward zero and clamped to the int range; NaN gives 0.
PLATFORM_API int SaturatingInt(double value);
// Narrowed to float; values beyond float's range become infinities of their sign.
PLATFORM_API float NarrowToFloat(double value);

// The text printf gives for "%.*f" (six decimals by default) and for "%d".
PLATFORM_API std::string FixedText(double value, int decimals = 6);
PLATFORM_API std::string IntText(int value);

// Room for FixedText of any double with up to 20 decimals.
inline constexpr std::size_t kFixedTextRoom = 400;
// FixedText written into out, which has kFixedTextRoom bytes; returns its length.
PLATFORM_API std::size_t WriteFixedText(double value, int decimals, char* out);
// The number FixedText(value, decimals) reads back as (LeadingDouble of it), worked out
// without the text for the values record fields hold.
PLATFORM_API double FixedTextValue(double value, int decimals = 6);

}  // namespace platform
