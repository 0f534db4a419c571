// Small text helpers every part of the suite uses: printf-style formatting into a
// std::string, trimming white space, and ASCII case changes.
#pragma once

#include <cstdarg>
#include <string>
#include <string_view>

#include "platform/export.h"

namespace platform {

PLATFORM_API std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Appends the formatted text to out (for writers that build one long text).
PLATFORM_API void AppendFormatV(std::string& out, const char* format, va_list args)
    __attribute__((format(printf, 2, 0)));

// The text without white space (blanks, tabs, CR, LF) on either side; the view looks
// into the text, for readers that copy nothing.
PLATFORM_API std::string Trimmed(std::string_view text);
PLATFORM_API std::string_view TrimmedView(std::string_view text);

PLATFORM_API std::string UpperCased(std::string text);
PLATFORM_API std::string LowerCased(std::string text);

}  // namespace platform
