#include "fsinstall/jm_encoder.h"

#include <algorithm>

namespace fsinstall {

namespace {

constexpr int kMediumBase = 64;
constexpr int kLongBase = 320;
constexpr int kEndCode = 4415;
constexpr int kMaxDistance = kEndCode - 1;
constexpr int kMinMatch = 3;
constexpr int kMaxMatch = 1 << 12;
constexpr int kHashBits = 15;
constexpr int kMaxCandidates = 24;  // match candidates tried per position
constexpr int kNoPosition = -1;

std::uint32_t Hash3(const std::uint8_t* p) {
    const std::uint32_t v = p[0] | (p[1] << 8) | (p[2] << 16);
    return (v * 2654435761u) >> (32 - kHashBits);
}

}  // namespace

JmStreamWriter::JmStreamWriter() : bytes_{'J', 'M', 0, 0} {}

void JmStreamWriter::Bits(std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) {
        if (bitCount_ % 8 == 0) {
            bytes_.push_back(0);
        }
        bytes_.back() |= static_cast<std::uint8_t>(((value >> i) & 1u) << (bitCount_ % 8));
        ++bitCount_;
    }
}

void JmStreamWriter::Literal(std::uint8_t value) {
    if (value < 128) {
        Bits(0, 1);
        Bits(value, 7);
    } else {
        Bits(1, 1);
        Bits(1, 1);
        Bits(value - 128u, 7);
    }
}

void JmStreamWriter::Distance(int distance) {
    Bits(1, 1);
    Bits(0, 1);
    if (distance < kMediumBase) {
        Bits(0, 1);
        Bits(static_cast<std::uint32_t>(distance), 6);
    } else if (distance < kLongBase) {
        Bits(1, 1);
        Bits(0, 1);
        Bits(static_cast<std::uint32_t>(distance - kMediumBase), 8);
    } else {
        Bits(1, 1);
        Bits(1, 1);
        Bits(static_cast<std::uint32_t>(distance - kLongBase), 12);
    }
}

void JmStreamWriter::Match(int distance, int length) {
    Distance(distance);
    if (length == kMinMatch) {
        Bits(1, 1);
        return;
    }
    // Length v + 2^i + 2 with v below 2^i.
    int prefix = 1;
    while (length > (2 << prefix) + 1) {
        ++prefix;
    }
    Bits(0, prefix);
    Bits(1, 1);
    Bits(static_cast<std::uint32_t>(length - (1 << prefix) - 2), prefix);
}

void JmStreamWriter::End() { Distance(kEndCode); }

std::vector<std::uint8_t> JmStreamWriter::Finish() { return std::move(bytes_); }

std::vector<std::uint8_t> EncodeJmBlock(std::span<const std::uint8_t> data) {
    JmStreamWriter writer;
    const int size = static_cast<int>(data.size());
    std::vector<int> head(std::size_t{1} << kHashBits, kNoPosition);
    std::vector<int> previous(data.size(), kNoPosition);
    auto insert = [&](int position) {
        if (position + kMinMatch <= size) {
            const std::uint32_t h = Hash3(&data[position]);
            previous[position] = head[h];
            head[h] = position;
        }
    };
    int position = 0;
    while (position < size) {
        int bestLength = 0;
        int bestDistance = 0;
        if (position + kMinMatch <= size) {
            const int limit = std::min(kMaxMatch, size - position);
            int candidate = head[Hash3(&data[position])];
            for (int tries = 0; candidate != kNoPosition && tries < kMaxCandidates; ++tries) {
                const int distance = position - candidate;
                if (distance > kMaxDistance) {
                    break;
                }
                int length = 0;
                while (length < limit && data[candidate + length] == data[position + length]) {
                    ++length;
                }
                if (length > bestLength) {
                    bestLength = length;
                    bestDistance = distance;
                }
                candidate = previous[candidate];
            }
        }
        if (bestLength >= kMinMatch) {
            writer.Match(bestDistance, bestLength);
            for (int i = 0; i < bestLength; ++i) {
                insert(position + i);
            }
            position += bestLength;
        } else {
            writer.Literal(data[position]);
            insert(position);
            ++position;
        }
    }
    writer.End();
    return writer.Finish();
}

}  // namespace fsinstall
