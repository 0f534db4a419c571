// Little-endian writing into a growing byte buffer, with patching of earlier fields.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace fsinstall::detail {

class ByteWriter {
public:
    std::size_t size() const { return bytes_.size(); }
    std::vector<std::uint8_t>& bytes() { return bytes_; }

    void U8(std::uint8_t v) { bytes_.push_back(v); }
    void U16(std::uint16_t v) { Unsigned(v, 2); }
    void U24(std::uint32_t v) { Unsigned(v, 3); }
    void U32(std::uint32_t v) { Unsigned(v, 4); }
    void Zeros(std::size_t count) { bytes_.insert(bytes_.end(), count, 0); }
    // Exactly width bytes: the text cut or padded with zeros.
    void FixedText(const std::string& text, std::size_t width) {
        for (std::size_t i = 0; i < width; ++i) U8(i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0);
    }
    // The text and a zero byte.
    void Text(const std::string& text) { FixedText(text, text.size() + 1); }

    void PutU16(std::size_t at, std::uint16_t v) { Put(at, v, 2); }
    void PutU32(std::size_t at, std::uint32_t v) { Put(at, v, 4); }

private:
    void Unsigned(std::uint32_t v, int count) {
        for (int i = 0; i < count; ++i) bytes_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    void Put(std::size_t at, std::uint32_t v, int count) {
        for (int i = 0; i < count; ++i) bytes_[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    }

    std::vector<std::uint8_t> bytes_;
};

}  // namespace fsinstall::detail
