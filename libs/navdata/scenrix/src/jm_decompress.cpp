#include "jm_decompress.h"

#include <cstddef>
#include <optional>

namespace {

namespace jm = scenrix::detail::jm;

// Bits from the lowest of each byte on; a field is assembled lowest bit first.
class BitReader {
public:
    BitReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::optional<std::uint32_t> Read(int count) {
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i) {
            const std::size_t byte = position_ / 8;
            if (byte >= size_) {
                return std::nullopt;
            }
            const std::uint32_t bit = (data_[byte] >> (position_ % 8)) & 1u;
            value |= bit << i;
            ++position_;
        }
        return value;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
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

std::optional<int> ReadLength(BitReader& bits) {
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
        const auto code = ReadCode(bits);
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
        for (int i = 0; i < *length; ++i, ++written) {
            output[written] = output[written - distance];
        }
    }
}
