// A document's file as the editor reads and writes it: text whose lines end in LF in
// memory and in CR LF on disk. Reading takes CR LF and LF alike; a carriage return that
// ends no line is dropped on both ways.
#pragma once

#include <string>
#include <string_view>

namespace quillet {

// False when the file cannot be read (the text is then empty).
bool ReadSourceText(const std::string& path, std::string& text);
// Replaces the file whole (a temporary beside it renamed over it); false when it cannot
// be written, and then the file is as it was.
bool WriteSourceText(const std::string& path, std::string_view text);

// The text without carriage returns.
std::string WithoutCarriageReturns(std::string_view text);

}  // namespace quillet
