#include "jm_decompress.h"

#include <gtest/gtest.h>

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

TEST(JmDecompressTest, StreamCases) {
    const StreamCase cases[] = {
        {"end code alone, capacity 0", Stream([](auto& w) { w.End(); }), 0, std::string()},
        {"match of distance 1 and length 5 repeats the literal",
         Stream([](auto& w) { w.Literal('x'); w.Match(1, 5); w.End(); }), 6, std::string("xxxxxx")},
        {"literals above 127", Stream([](auto& w) { w.Literal(200); w.Literal(127); w.End(); }), 2,
         std::string("\xC8\x7F")},
        {"end code before the capacity is reached goes on reading",
         Stream([](auto& w) { w.Literal('a'); w.End(); w.Literal('b'); w.End(); }), 2, std::string("ab")},
        {"match before the output start", Stream([](auto& w) { w.Literal('a'); w.Match(2, 3); w.End(); }), 8,
         std::nullopt},
        {"distance 0", Stream([](auto& w) { w.Literal('a'); w.Match(0, 3); w.End(); }), 8, std::nullopt},
        {"literal past the capacity", Stream([](auto& w) { w.Literal('a'); w.Literal('b'); w.End(); }), 1,
         std::nullopt},
        {"match past the capacity", Stream([](auto& w) { w.Literal('a'); w.Match(1, 9); w.End(); }), 5,
         std::nullopt},
        {"stream ends inside a code", Stream([](auto& w) { w.Literal('a'); }), 4, std::nullopt},
        {"wrong second letter", {'J', 'X', 0, 0, 0xFF}, 0, std::nullopt},
        {"no bits after the signature", {'J', 'M', 0, 0}, 0, std::nullopt},
        // The literal 'a' (one byte), a match of distance 1, then 47 zero bits: a
        // length prefix too long for any buffer.
        {"length prefix overflow", {'J', 'M', 0, 0, 'a' << 1, 0x09, 0, 0, 0, 0, 0, 0}, 100, std::nullopt},
        {"literal, then a match of distance 1 and length 3", {'J', 'M', 0, 0, 'a' << 1, 0x09, 0xF6, 0xFF, 0x03}, 4,
         std::string("aaaa")},
    };
    for (const StreamCase& c : cases) {
        EXPECT_EQ(Inflate(c.stream, c.capacity), c.expected) << c.name;
    }
}

TEST(JmDecompressTest, DistanceClassesMeetAtTheirBounds) {
    // After "10" (a match), the third bit tells the 6-bit class (0) from the others (1);
    // bits are taken from the lowest of each byte on, starting at byte 4.
    struct ClassCase {
        int distance;
        std::uint8_t firstBits;  // the match's first four bits
        int bitCount;
    } cases[] = {{63, 0b001, 3}, {64, 0b0101, 4}, {319, 0b0101, 4}, {320, 0b1101, 4}, {4414, 0b1101, 4}};
    for (const ClassCase& c : cases) {
        const auto stream = Stream([&](auto& w) { w.Match(c.distance, 3); });
        const std::uint8_t mask = static_cast<std::uint8_t>((1 << c.bitCount) - 1);
        EXPECT_EQ(stream[4] & mask, c.firstBits) << c.distance;
    }
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
        ASSERT_EQ(DecompressJmBlock(stream.data(), static_cast<int>(stream.size()), out.data(),
                                    static_cast<int>(out.size())),
                  static_cast<int>(input.size()));
        EXPECT_EQ(out, input);
    }
    EXPECT_LT(fsinstall::EncodeJmBlock(repetitive).size(), repetitive.size() / 4);
}

}  // namespace
