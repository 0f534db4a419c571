#include "jm_decompress.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstring>
#include <optional>

namespace {

namespace jm = scenrix::detail::jm;

// Bits from the lowest of each byte on; a field is assembled lowest bit first.
class BitReader {
public:
    BitReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size), bits_(size * 8) {}

    // The next count bits (1 to 32); none when the stream ends inside them.
    std::optional<std::uint32_t> Read(int count) {
        if (bits_ - position_ < static_cast<std::size_t>(count)) {
            return std::nullopt;
        }
        const std::uint64_t mask = (std::uint64_t{1} << count) - 1;
        const auto value = static_cast<std::uint32_t>(Peek() & mask);
        position_ += static_cast<std::size_t>(count);
        return value;
    }

    // True when Peek's 57 bits all lie inside the stream.
    bool HoldsWord() const { return size_ - position_ / 8 >= sizeof(std::uint64_t); }
    // Passes over count bits that Peek showed inside the stream.
    void Skip(int count) { position_ += static_cast<std::size_t>(count); }

    // The bits from the position on, at least 57 of them, those past the end as 0.
    std::uint64_t Peek() const {
        const std::size_t byte = position_ / 8;
        std::uint64_t word = 0;
        if (std::endian::native == std::endian::little && size_ - byte >= sizeof word) {
            std::memcpy(&word, data_ + byte, sizeof word);
        } else {
            const std::size_t end = std::min(size_, byte + sizeof word);
            for (std::size_t i = byte; i < end; ++i) word |= std::uint64_t{data_[i]} << (8 * (i - byte));
        }
        return word >> (position_ % 8);
    }

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t bits_;
    std::size_t position_ = 0;
};

struct Code {
    bool literal = false;
    int value = 0;  // the byte, or the match distance
};

std::optional<Code> ReadCode(BitReader& bits) {
    const auto first = bits.Read(1);
    if (!first) {
        return std::nullopt;
    }
    if (*first == 0) {
        const auto v = bits.Read(jm::kLiteralBits);
        if (!v) return std::nullopt;
        return Code{true, static_cast<int>(*v)};
    }
    const auto second = bits.Read(1);
    if (!second) {
        return std::nullopt;
    }
    if (*second == 1) {
        const auto v = bits.Read(jm::kLiteralBits);
        if (!v) return std::nullopt;
        return Code{true, static_cast<int>(*v) + 128};
    }
    const auto third = bits.Read(1);
    if (!third) {
        return std::nullopt;
    }
    if (*third == 0) {
        const auto v = bits.Read(jm::kShortDistanceBits);
        if (!v) return std::nullopt;
        return Code{false, static_cast<int>(*v)};
    }
    const auto fourth = bits.Read(1);
    if (!fourth) {
        return std::nullopt;
    }
    const int width = *fourth == 0 ? jm::kMediumDistanceBits : jm::kLongDistanceBits;
    const int base = *fourth == 0 ? jm::kMediumDistanceBase : jm::kLongDistanceBase;
    const auto v = bits.Read(width);
    if (!v) return std::nullopt;
    return Code{false, static_cast<int>(*v) + base};
}

// ReadCode from one look at the bits, which must hold a word (the longest code is 16 bits).
Code ReadCodeOfWord(BitReader& bits) {
    const std::uint64_t word = bits.Peek();
    const auto field = [&](int from, int width) { return static_cast<int>((word >> from) & ((1u << width) - 1)); };
    if ((word & 1) == 0) {
        bits.Skip(1 + jm::kLiteralBits);
        return {true, field(1, jm::kLiteralBits)};
    }
    if ((word & 2) != 0) {
        bits.Skip(2 + jm::kLiteralBits);
        return {true, field(2, jm::kLiteralBits) + 128};
    }
    if ((word & 4) == 0) {
        bits.Skip(3 + jm::kShortDistanceBits);
        return {false, field(3, jm::kShortDistanceBits)};
    }
    if ((word & 8) == 0) {
        bits.Skip(4 + jm::kMediumDistanceBits);
        return {false, field(4, jm::kMediumDistanceBits) + jm::kMediumDistanceBase};
    }
    bits.Skip(4 + jm::kLongDistanceBits);
    return {false, field(4, jm::kLongDistanceBits) + jm::kLongDistanceBase};
}

// The prefix of zeros, the one bit and as many value bits as zeros fit in a word for
// prefixes of up to this many zeros.
constexpr int kLongestPrefixOfWord = 28;

std::optional<int> ReadLength(BitReader& bits) {
    if (bits.HoldsWord()) {
        const std::uint64_t word = bits.Peek();
        const int zeros = std::countr_zero(word);
        if (zeros <= kLongestPrefixOfWord) {
            bits.Skip(2 * zeros + 1);
            if (zeros == 0) return jm::kMinMatchLength;
            const auto value = static_cast<int>((word >> (zeros + 1)) & ((std::uint64_t{1} << zeros) - 1));
            return value + (1 << zeros) + 2;
        }
    }
    int zeros = 0;
    for (;;) {
        const auto bit = bits.Read(1);
        if (!bit) {
            return std::nullopt;
        }
        if (*bit == 1) {
            break;
        }
        if (++zeros > jm::kMaxLengthPrefix) {
            return std::nullopt;
        }
    }
    if (zeros == 0) {
        return jm::kMinMatchLength;
    }
    const auto v = bits.Read(zeros);
    if (!v) {
        return std::nullopt;
    }
    const long long length = static_cast<long long>(*v) + (1LL << zeros) + 2;
    if (length > 0x7FFFFFFF) {
        return std::nullopt;
    }
    return static_cast<int>(length);
}

}  // namespace

int DecompressJmBlock(const std::uint8_t* input, int inputLength, std::uint8_t* output, int outputCapacity) {
    if (input == nullptr || inputLength <= jm::kStreamStart || input[0] != jm::kSignature[0] ||
        input[1] != jm::kSignature[1] || outputCapacity < 0 || (output == nullptr && outputCapacity > 0)) {
        return -1;
    }
    BitReader bits(input + jm::kStreamStart, static_cast<std::size_t>(inputLength - jm::kStreamStart));
    int written = 0;
    for (;;) {
        const std::optional<Code> code = bits.HoldsWord() ? ReadCodeOfWord(bits) : ReadCode(bits);
        if (!code) {
            return -1;
        }
        if (code->literal) {
            if (written >= outputCapacity) {
                return -1;
            }
            output[written++] = static_cast<std::uint8_t>(code->value);
            continue;
        }
        if (code->value == jm::kEndCode) {
            if (written < outputCapacity) {
                continue;
            }
            return written;
        }
        const auto length = ReadLength(bits);
        if (!length) {
            return -1;
        }
        const int distance = code->value;
        if (distance > written || *length > outputCapacity - written) {
            return -1;
        }
        if (distance >= *length) {
            std::memcpy(output + written, output + written - distance, static_cast<std::size_t>(*length));
            written += *length;
            continue;
        }
        for (int i = 0; i < *length; ++i, ++written) {
            output[written] = output[written - distance];
        }
    }
}
