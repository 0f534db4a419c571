// Small text helpers of the source writers: printf-style formatting into a string,
// trimming, and making a text safe inside a double-quoted literal.
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "platform/text.h"

namespace textorin {

using platform::Format;
inline std::string Trim(std::string_view text) { return platform::Trimmed(text); }
inline std::string ToUpper(std::string text) { return platform::UpperCased(std::move(text)); }
inline std::string ToLower(std::string text) { return platform::LowerCased(std::move(text)); }

// The text with each double quote turned into an apostrophe: the adventure language
// has no escape inside a string, so a quote would end the literal early.
std::string QuoteSafe(std::string_view text);

}  // namespace textorin
