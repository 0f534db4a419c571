// For tests of sounds: the bytes of small RIFF WAVE files, chunk by chunk, and the ALSA
// device the real player uses while a test runs ("null" plays to nowhere, an unknown
// name is a machine without a sound card).
#pragma once

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace qtplatform::testing {

inline std::string LittleBytes(std::uint32_t value, int size) {
    std::string bytes;
    for (int i = 0; i < size; ++i) bytes += static_cast<char>(value >> (8 * i) & 0xFF);
    return bytes;
}

// A chunk with its id, its size and its body padded to an even size.
inline std::string WaveChunk(std::string_view id, std::string_view body) {
    std::string chunk = std::string(id) + LittleBytes(static_cast<std::uint32_t>(body.size()), 4) + std::string(body);
    if (body.size() % 2 != 0) chunk += '\0';
    return chunk;
}

inline std::string FormatChunkBody(std::uint16_t tag, unsigned channels, unsigned rate, unsigned bits) {
    const unsigned blockAlign = channels * bits / 8;
    return LittleBytes(tag, 2) + LittleBytes(channels, 2) + LittleBytes(rate, 4) + LittleBytes(rate * blockAlign, 4) +
           LittleBytes(blockAlign, 2) + LittleBytes(bits, 2);
}

inline std::string RiffWave(std::string_view chunks) {
    return "RIFF" + LittleBytes(static_cast<std::uint32_t>(4 + chunks.size()), 4) + "WAVE" + std::string(chunks);
}

// A PCM file of the samples given as bytes.
inline std::string PcmWaveBytes(unsigned channels, unsigned rate, unsigned bits, std::string_view samples) {
    return RiffWave(WaveChunk("fmt ", FormatChunkBody(1, channels, rate, bits)) + WaveChunk("data", samples));
}

// Points the real player at the device for its lifetime.
class ScopedSoundDevice {
public:
    explicit ScopedSoundDevice(const char* device) {
        if (const char* previous = std::getenv(kVariable)) previous_ = previous;
        setenv(kVariable, device, 1);
    }
    ~ScopedSoundDevice() {
        if (previous_)
            setenv(kVariable, previous_->c_str(), 1);
        else
            unsetenv(kVariable);
    }
    ScopedSoundDevice(const ScopedSoundDevice&) = delete;
    ScopedSoundDevice& operator=(const ScopedSoundDevice&) = delete;

private:
    static constexpr const char* kVariable = "QUILLET_SOUND_DEVICE";
    std::optional<std::string> previous_;
};

inline constexpr const char* kNoSoundCard = "quillet_no_such_card";

}  // namespace qtplatform::testing
