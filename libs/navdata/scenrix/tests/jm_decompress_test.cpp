#include "jm_decompress.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "fsinstall/jm_encoder.h"

namespace {

using fsinstall::JmStreamWriter;

// Output of a stream, or nullopt for -1.
std::optional<std::string> Inflate(const std::vector<std::uint8_t>& stream, int capacity) {
    std::vector<std::uint8_t> out(static_cast<std::size_t>(capacity) + 1, 0xEE);
    const int n = DecompressJmBlock(stream.data(), static_cast<int>(stream.size()), out.data(), capacity);
    if (n < 0) return std::nullopt;
    EXPECT_EQ(out[static_cast<std::size_t>(capacity)], 0xEE) << "wrote past the capacity";
    return std::string(out.begin(), out.begin() + n);
}

struct StreamCase {
    const char* name;
    std::vector<std::uint8_t> stream;
    int capacity;
    std::optional<std::string> expected;
};

template <class Build>
std::vector<std::uint8_t> Stream(Build build) {
    JmStreamWriter writer;
    build(writer);
    return writer.Finish();
}

// A stream spelled out field by field, for codes the encoder never writes.
class RawStream {
public:
    RawStream& Field(std::uint64_t value, int count) {
        for (int i = 0; i < count; ++i) {
            if (bits_ % 8 == 0) bytes_.push_back(0);
            bytes_.back() |= static_cast<std::uint8_t>(((value >> i) & 1u) << (bits_ % 8));
            ++bits_;
        }
        return *this;
    }
    RawStream& Literal(std::uint8_t value) { return Field(0, 1).Field(value, 7); }
    RawStream& ShortDistance(int distance) { return Field(0b001, 3).Field(distance, 6); }
    // i zero bits, a one bit, then the i-bit value.
    RawStream& Length(int zeros, std::uint64_t value) { return Field(0, zeros).Field(1, 1).Field(value, zeros); }
    RawStream& End() { return Field(0b1101, 4).Field(4095, 12); }
    std::vector<std::uint8_t> Bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_{'J', 'M', 0, 0};
    int bits_ = 0;
};

TEST(JmDecompressTest, StreamCases) {
    const StreamCase cases[] = {
        {"end code alone, capacity 0", Stream([](auto& w) { w.End(); }), 0, std::string()},
        {"match of distance 1 and length 5 repeats the literal", Stream([](auto& w) {
             w.Literal('x');
             w.Match(1, 5);
             w.End();
         }),
         6, std::string("xxxxxx")},
        {"literals above 127", Stream([](auto& w) {
             w.Literal(200);
             w.Literal(127);
             w.End();
         }),
         2, std::string("\xC8\x7F")},
        {"end code before the capacity is reached goes on reading", Stream([](auto& w) {
             w.Literal('a');
             w.End();
             w.Literal('b');
             w.End();
         }),
         2, std::string("ab")},
        {"match before the output start", Stream([](auto& w) {
             w.Literal('a');
             w.Match(2, 3);
             w.End();
         }),
         8, std::nullopt},
        {"match from the first byte", Stream([](auto& w) {
             w.Literal('a');
             w.Literal('b');
             w.Match(2, 3);
             w.End();
         }),
         5, std::string("ababa")},
        // Each byte is copied onto itself: the output keeps what it held (0xEE here).
        {"distance 0", Stream([](auto& w) {
             w.Literal('a');
             w.Match(0, 3);
             w.End();
         }),
         4, std::string("a\xEE\xEE\xEE")},
        {"literal past the capacity", Stream([](auto& w) {
             w.Literal('a');
             w.Literal('b');
             w.End();
         }),
         1, std::nullopt},
        {"match past the capacity", Stream([](auto& w) {
             w.Literal('a');
             w.Match(1, 9);
             w.End();
         }),
         5, std::nullopt},
        {"stream ends inside a code", Stream([](auto& w) { w.Literal('a'); }), 4, std::nullopt},
        {"wrong second letter", {'J', 'X', 0, 0, 0xFF}, 0, std::nullopt},
        {"no bits after the signature", {'J', 'M', 0, 0}, 0, std::nullopt},
        {"stream ends inside a length", RawStream().Literal('a').ShortDistance(1).Bytes(), 4, std::nullopt},
        {"long length", RawStream().Literal('a').ShortDistance(1).Length(12, 0).End().Bytes(), 4099,
         std::string(4099, 'a')},
        // Lengths past the int range, whose low 32 bits would be 1 or negative: each
        // capacity is what a wrapped length would have filled exactly.
        {"length 2^31 + 1", RawStream().Literal('a').ShortDistance(1).Length(30, (1u << 30) - 1).End().Bytes(), 1,
         std::nullopt},
        {"length 2^32 + 1", RawStream().Literal('a').ShortDistance(1).Length(31, (1u << 31) - 1).End().Bytes(), 2,
         std::nullopt},
        {"length 2^40 + 2^32 + 1", RawStream().Literal('a').ShortDistance(1).Length(40, 0xFFFFFFFFu).End().Bytes(), 2,
         std::nullopt},
        {"literal, then a match of distance 1 and length 3",
         {'J', 'M', 0, 0, 'a' << 1, 0x09, 0xF6, 0xFF, 0x03},
         4,
         std::string("aaaa")},
    };
    for (const StreamCase& c : cases) {
        EXPECT_EQ(Inflate(c.stream, c.capacity), c.expected) << c.name;
    }
}

TEST(JmDecompressTest, DistanceClassesMeetAtTheirBounds) {
    // The encoder's code for each distance, bit for bit: the prefix (first bit lowest),
    // then the class's value; stream bits start at byte 4, lowest bit first.
    struct ClassCase {
        int distance;
        std::uint32_t prefix;
        int prefixBits;
        std::uint32_t value;
        int valueBits;
    } cases[] = {{0, 0b001, 3, 0, 6},      {63, 0b001, 3, 63, 6},   {64, 0b0101, 4, 0, 8},
                 {319, 0b0101, 4, 255, 8}, {320, 0b1101, 4, 0, 12}, {4414, 0b1101, 4, 4094, 12}};
    for (const ClassCase& c : cases) {
        const auto stream = Stream([&](auto& w) { w.Match(c.distance, 3); });
        std::uint32_t bits = 0;
        for (std::size_t i = 4; i < stream.size() && i < 8; ++i) bits |= std::uint32_t{stream[i]} << (8 * (i - 4));
        const int width = c.prefixBits + c.valueBits;
        EXPECT_EQ(bits & ((1u << width) - 1), c.prefix | c.value << c.prefixBits) << c.distance;
    }
    // The end code is the long class's last distance, with no length behind it.
    EXPECT_EQ(Stream([](auto& w) { w.End(); }), RawStream().End().Bytes());
    // Each class decodes back to its distance.
    std::string data(5000, '\0');
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<char>('a' + (i * 7 + i / 13) % 26);
    for (int distance : {1, 63, 64, 319, 320, 4414}) {
        const auto stream = Stream([&](auto& w) {
            for (char ch : data) w.Literal(static_cast<std::uint8_t>(ch));
            w.Match(distance, 4);
            w.End();
        });
        std::string expected = data;
        for (int i = 0; i < 4; ++i) expected.push_back(expected[expected.size() - distance]);
        EXPECT_EQ(Inflate(stream, static_cast<int>(expected.size())), expected) << distance;
    }
}

TEST(JmDecompressTest, EncoderRoundTrips) {
    std::mt19937 random(7);
    std::vector<std::vector<std::uint8_t>> inputs = {{}, {42}};
    std::vector<std::uint8_t> noise(20000);
    for (auto& b : noise) b = static_cast<std::uint8_t>(random());
    inputs.push_back(noise);
    std::vector<std::uint8_t> repetitive;
    for (int i = 0; i < 30000; ++i) repetitive.push_back(static_cast<std::uint8_t>("scenery "[i % 8] + (i / 5000)));
    inputs.push_back(repetitive);
    inputs.push_back(std::vector<std::uint8_t>(70000, 0));
    for (const auto& input : inputs) {
        const auto stream = fsinstall::EncodeJmBlock(input);
        std::vector<std::uint8_t> out(input.size());
        ASSERT_EQ(
            DecompressJmBlock(stream.data(), static_cast<int>(stream.size()), out.data(), static_cast<int>(out.size())),
            static_cast<int>(input.size()));
        EXPECT_EQ(out, input);
    }
    EXPECT_LT(fsinstall::EncodeJmBlock(repetitive).size(), repetitive.size() / 4);
}

}  // namespace
