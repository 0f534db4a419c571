// The sound files the suite plays: RIFF WAVE files of PCM samples (8, 16, 24 or 32 bits)
// or 32-bit floats, read from their bytes without copying the samples.
#pragma once

#include <optional>
#include <string_view>

namespace qtplatform {

enum class SampleFormat { Unsigned8, Signed16, Signed24, Signed32, Float32 };

struct WaveSound {
    SampleFormat format = SampleFormat::Signed16;
    unsigned channels = 0;
    unsigned framesPerSecond = 0;
    unsigned bytesPerFrame = 0;
    // Whole frames only, little-endian as in the file; a file cut short keeps what it has.
    std::string_view samples;
};

// nullopt for anything but a WAVE file of a format above with a "fmt " chunk before its
// "data" chunk.
std::optional<WaveSound> ReadWaveSound(std::string_view bytes);

}  // namespace qtplatform
