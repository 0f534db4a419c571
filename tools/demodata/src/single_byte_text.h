// Texts of the demo's sources made single-byte, as the record lines and the scenery
// hold them.
#pragma once

#include <string>
#include <string_view>

namespace demodata {

// UTF-8 text as single-byte Latin-1 when every character fits it ("Zürich" keeps its
// ü); else the whole text as plain ASCII, letters without their marks ("Łódź" is
// "Lodz"), and characters that cannot be written so as "?".
std::string Latin1(const std::string& utf8);

// Text of a file that does not say its encoding, as UTF-8: itself when it reads as
// UTF-8, else each byte as the Latin-1 character it is.
std::string Utf8Text(std::string_view bytes);

}  // namespace demodata
