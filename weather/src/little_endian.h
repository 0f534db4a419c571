// 4-byte little-endian fields of the weather file.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>

namespace wx::detail {

inline uint32_t GetU32(std::span<const std::byte> bytes, size_t offset) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i) value |= std::to_integer<uint32_t>(bytes[offset + i]) << (8 * i);
    return value;
}

inline void PutU32(std::span<std::byte> bytes, size_t offset, uint32_t value) {
    for (size_t i = 0; i < 4; ++i) bytes[offset + i] = std::byte((value >> (8 * i)) & 0xFF);
}

inline int32_t GetInt32(std::span<const std::byte> bytes, size_t offset) {
    return std::bit_cast<int32_t>(GetU32(bytes, offset));
}
inline void PutInt32(std::span<std::byte> bytes, size_t offset, int32_t value) {
    PutU32(bytes, offset, std::bit_cast<uint32_t>(value));
}
inline float GetFloat(std::span<const std::byte> bytes, size_t offset) {
    return std::bit_cast<float>(GetU32(bytes, offset));
}
inline void PutFloat(std::span<std::byte> bytes, size_t offset, float value) {
    PutU32(bytes, offset, std::bit_cast<uint32_t>(value));
}

}  // namespace wx::detail
