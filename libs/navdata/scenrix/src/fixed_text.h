// Copy of a text into a caller's fixed buffer, cut to fit and always terminated.
#pragma once

#include <cstddef>
#include <string_view>

namespace scenrix::detail {

// Writes nothing when size is 0.
void CopyCut(std::string_view text, char* out, std::size_t size);

}  // namespace scenrix::detail
