// Encoder of the "JM" stream that compressed scenery files hold: literals, matches of
// three distance classes with unary-prefixed lengths, and the end code.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace fsinstall {

// Writes codes one by one; bits go into each byte from its lowest bit on.
class JmStreamWriter {
public:
    JmStreamWriter();

    void Literal(std::uint8_t value);
    // distance 0 to 4414 (4415 is the end code), length 3 or more.
    void Match(int distance, int length);
    void End();
    // The stream: "JM", two unused bytes, then the bits padded to a whole byte.
    std::vector<std::uint8_t> Finish();

private:
    void Bits(std::uint32_t value, int count);
    void Distance(int distance);

    std::vector<std::uint8_t> bytes_;
    int bitCount_ = 0;
};

// The whole of data as one stream closed by an end code.
std::vector<std::uint8_t> EncodeJmBlock(std::span<const std::uint8_t> data);

}  // namespace fsinstall
