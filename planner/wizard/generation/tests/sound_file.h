// A short sound file written in code, so that the tests need no speech program.
#pragma once

#include <cstdint>
#include <string>

namespace trevalo::testing {

// A tenth of a second of silence: 8000 Hz, 16-bit mono PCM.
inline std::string ShortWav() {
    constexpr std::uint32_t kRate = 8000;
    constexpr std::uint32_t kSamples = kRate / 10;
    constexpr std::uint32_t kDataBytes = kSamples * 2;
    std::string bytes;
    const auto put32 = [&bytes](std::uint32_t value) {
        for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<char>(value >> (8 * i)));
    };
    const auto put16 = [&bytes](std::uint16_t value) {
        bytes.push_back(static_cast<char>(value & 0xff));
        bytes.push_back(static_cast<char>(value >> 8));
    };
    bytes += "RIFF";
    put32(36 + kDataBytes);
    bytes += "WAVEfmt ";
    put32(16);
    put16(1);  // PCM
    put16(1);  // mono
    put32(kRate);
    put32(kRate * 2);
    put16(2);
    put16(16);
    bytes += "data";
    put32(kDataBytes);
    bytes.append(kDataBytes, '\0');
    return bytes;
}

}  // namespace trevalo::testing
