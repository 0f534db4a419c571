#include "fixed_text.h"

#include <algorithm>
#include <cstring>

namespace scenrix::detail {

void CopyCut(std::string_view text, char* out, std::size_t size) {
    if (out == nullptr || size == 0) {
        return;
    }
    const std::size_t length = std::min(text.size(), size - 1);
    if (length > 0) {
        std::memcpy(out, text.data(), length);
    }
    out[length] = '\0';
}

}  // namespace scenrix::detail
