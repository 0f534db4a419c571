#include "scenery_bytes.h"

#include <algorithm>

namespace scenrix::detail {

SceneryBytes SceneryBytes::Slice(std::size_t offset, std::size_t count) const {
    if (offset >= size_) {
        return {};
    }
    return {data_ + offset, std::min(count, size_ - offset)};
}

std::uint32_t SceneryBytes::Unsigned(std::size_t offset, std::size_t count) const {
    if (!Holds(offset, count)) {
        return 0;
    }
    std::uint32_t value = 0;
    for (std::size_t i = count; i > 0; --i) {
        value = (value << 8) | data_[offset + i - 1];
    }
    return value;
}

std::uint8_t SceneryBytes::U8(std::size_t offset) const { return static_cast<std::uint8_t>(Unsigned(offset, 1)); }

std::uint16_t SceneryBytes::U16(std::size_t offset) const { return static_cast<std::uint16_t>(Unsigned(offset, 2)); }

std::int16_t SceneryBytes::S16(std::size_t offset) const { return static_cast<std::int16_t>(U16(offset)); }

std::int32_t SceneryBytes::S24(std::size_t offset) const {
    const std::uint32_t value = Unsigned(offset, 3);
    // Sign-extend bit 23.
    return static_cast<std::int32_t>(value ^ 0x800000u) - 0x800000;
}

std::uint32_t SceneryBytes::U32(std::size_t offset) const { return Unsigned(offset, 4); }

std::int32_t SceneryBytes::S32(std::size_t offset) const { return static_cast<std::int32_t>(U32(offset)); }

std::string SceneryBytes::Text(std::size_t offset, std::size_t maxLength) const {
    std::string text;
    for (std::size_t i = offset; i < size_ && i - offset < maxLength; ++i) {
        const unsigned char c = data_[i];
        if (c == 0) {
            break;
        }
        text.push_back(c < 0x20 || c == 0x7F ? ' ' : static_cast<char>(c));
    }
    return text;
}

}  // namespace scenrix::detail
