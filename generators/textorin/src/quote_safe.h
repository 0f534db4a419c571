// Making a text safe inside a double-quoted literal of the adventure source.
#pragma once

#include <string>
#include <string_view>

namespace textorin {

// The text with each double quote turned into an apostrophe: the adventure language
// has no escape inside a string, so a quote would end the literal early.
std::string QuoteSafe(std::string_view text);

}  // namespace textorin
