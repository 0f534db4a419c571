#include "scenery_bytes.h"

#include <algorithm>
#include <cstring>

namespace scenrix::detail {

SceneryBytes SceneryBytes::Slice(std::size_t offset, std::size_t count) const {
    if (offset >= size_) {
        return {};
    }
    return {data_ + offset, std::min(count, size_ - offset)};
}

std::string SceneryBytes::Text(std::size_t offset, std::size_t maxLength) const {
    std::string text;
    Text(offset, maxLength, text);
    return text;
}

void SceneryBytes::Text(std::size_t offset, std::size_t maxLength, std::string& text) const {
    if (offset >= size_) {
        text.clear();
        return;
    }
    const std::uint8_t* const start = data_ + offset;
    const std::size_t limit = std::min(maxLength, size_ - offset);
    const void* const zero = std::memchr(start, 0, limit);
    const std::size_t length = zero ? static_cast<std::size_t>(static_cast<const std::uint8_t*>(zero) - start) : limit;
    text.assign(reinterpret_cast<const char*>(start), length);
    for (char& c : text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) c = ' ';
    }
}

}  // namespace scenrix::detail
