// Splitter of colon-separated lines such as the SID/STAR leg lines
// "t01=R:word:...:": every field is closed by a ":".
#pragma once

#include <cstddef>

#include "scenrix/export.h"

namespace scenrix {

// Output size the three-argument GetStrAfterNColon relies on (a record line and
// its terminator); longer fields are cut to fit.
inline constexpr std::size_t kColonFieldCapacity = 336;

}  // namespace scenrix

// Writes field n of line into out, always terminated and never more than outSize
// bytes (longer fields are cut). Field 0 is the text before the first ":", or only
// the text after an "=" standing before that ":"; an "=" standing after the first
// ":" makes field 0 empty. Field n >= 1 lies between the n-th and (n+1)-th ":".
// The field is empty when the line has no ":", when the field is not closed by a
// ":", for a negative n and for a null line.
SCENRIX_API void GetStrAfterNColon(int n, const char* line, char* out, std::size_t outSize);

// As above with an out of scenrix::kColonFieldCapacity bytes.
SCENRIX_API void GetStrAfterNColon(int n, const char* line, char* out);
