// Bounded little-endian reads from scenery data: every read first asks whether the
// data holds the bytes, so a short or damaged file is never read past its end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace scenrix::detail {

class SceneryBytes {
public:
    SceneryBytes() = default;
    SceneryBytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::size_t size() const { return size_; }
    const std::uint8_t* data() const { return data_; }

    // True when bytes [offset, offset + count) lie inside the data.
    bool Holds(std::size_t offset, std::size_t count) const { return offset <= size_ && count <= size_ - offset; }
    // The bytes [offset, offset + count), cut at the end of the data.
    SceneryBytes Slice(std::size_t offset, std::size_t count) const;

    // Reads of bytes the data does not hold give 0.
    std::uint8_t U8(std::size_t offset) const { return static_cast<std::uint8_t>(Unsigned(offset, 1)); }
    std::uint16_t U16(std::size_t offset) const { return static_cast<std::uint16_t>(Unsigned(offset, 2)); }
    std::int16_t S16(std::size_t offset) const { return static_cast<std::int16_t>(U16(offset)); }
    std::int32_t S24(std::size_t offset) const {
        // Sign-extend bit 23.
        return static_cast<std::int32_t>(Unsigned(offset, 3) ^ 0x800000u) - 0x800000;
    }
    std::uint32_t U32(std::size_t offset) const { return Unsigned(offset, 4); }
    std::int32_t S32(std::size_t offset) const { return static_cast<std::int32_t>(U32(offset)); }

    // Text of at most maxLength bytes from offset: it stops at a zero byte or the end of
    // the data, and control characters (CR, LF, tab, ...) become blanks so that the text
    // never breaks a fixed-width record line.
    std::string Text(std::size_t offset, std::size_t maxLength) const;
    // The same text in text's storage.
    void Text(std::size_t offset, std::size_t maxLength, std::string& text) const;

private:
    std::uint32_t Unsigned(std::size_t offset, std::size_t count) const {
        if (!Holds(offset, count)) {
            return 0;
        }
        std::uint32_t value = 0;
        for (std::size_t i = count; i > 0; --i) {
            value = (value << 8) | data_[offset + i - 1];
        }
        return value;
    }

    const std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
};

}  // namespace scenrix::detail
