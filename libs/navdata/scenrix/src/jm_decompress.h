// Inflates the "JM" stream of a compressed scenery file: a bit-level LZ77 form with
// 7-bit literals, three classes of match distance and a unary-prefixed match length.
#pragma once

#include <cstdint>

namespace scenrix::detail {

// Codes of the stream, shared with its encoder.
namespace jm {
inline constexpr std::uint8_t kSignature[2] = {'J', 'M'};
inline constexpr int kStreamStart = 4;  // bytes 2 and 3 are not examined
inline constexpr int kLiteralBits = 7;
inline constexpr int kShortDistanceBits = 6;
inline constexpr int kMediumDistanceBits = 8;
inline constexpr int kLongDistanceBits = 12;
inline constexpr int kMediumDistanceBase = 64;
inline constexpr int kLongDistanceBase = 320;
inline constexpr int kEndCode = 4415;  // the largest long distance
inline constexpr int kMinMatchLength = 3;
// A length prefix of more zero bits than this cannot be a length of an int buffer.
inline constexpr int kMaxLengthPrefix = 30;
}  // namespace jm

}  // namespace scenrix::detail

// The number of bytes written to output, or -1 when the signature is wrong, the stream
// ends inside a code, a match reaches before the start of the output, a match length
// overflows, or the stream would write past outputCapacity. A match of distance 0
// copies each byte onto itself, so those bytes keep what output held before.
int DecompressJmBlock(const std::uint8_t* input, int inputLength, std::uint8_t* output, int outputCapacity);
