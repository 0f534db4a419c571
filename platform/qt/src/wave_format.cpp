#include "wave_format.h"

#include <cstddef>
#include <cstdint>

namespace qtplatform {
namespace {

constexpr std::size_t kRiffHeaderSize = 12;
constexpr std::size_t kChunkHeaderSize = 8;
constexpr std::size_t kFormatSize = 16;
constexpr std::size_t kExtensibleFormatSize = 40;
constexpr std::size_t kSubFormatOffset = 24;
constexpr unsigned kMaxChannels = 8;
constexpr unsigned kMaxFramesPerSecond = 384000;

enum FormatTag : std::uint16_t { kPcm = 1, kIeeeFloat = 3, kExtensible = 0xFFFE };

std::uint32_t Little(std::string_view bytes, std::size_t at, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = size; i-- > 0;) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

std::optional<SampleFormat> FormatOf(std::uint32_t tag, std::uint32_t bits) {
    if (tag == kIeeeFloat) return bits == 32 ? std::optional(SampleFormat::Float32) : std::nullopt;
    if (tag != kPcm) return std::nullopt;
    switch (bits) {
        case 8:
            return SampleFormat::Unsigned8;
        case 16:
            return SampleFormat::Signed16;
        case 24:
            return SampleFormat::Signed24;
        case 32:
            return SampleFormat::Signed32;
        default:
            return std::nullopt;
    }
}

// The "fmt " chunk's body into the sound; false for a format the suite does not play.
bool ReadFormat(std::string_view body, WaveSound& sound) {
    if (body.size() < kFormatSize) return false;
    std::uint32_t tag = Little(body, 0, 2);
    if (tag == kExtensible) {
        if (body.size() < kExtensibleFormatSize) return false;
        tag = Little(body, kSubFormatOffset, 2);
    }
    const std::uint32_t bits = Little(body, 14, 2);
    const std::optional<SampleFormat> format = FormatOf(tag, bits);
    sound.channels = Little(body, 2, 2);
    sound.framesPerSecond = Little(body, 4, 4);
    if (!format || sound.channels == 0 || sound.channels > kMaxChannels || sound.framesPerSecond == 0 ||
        sound.framesPerSecond > kMaxFramesPerSecond)
        return false;
    sound.format = *format;
    sound.bytesPerFrame = sound.channels * (bits / 8);
    return true;
}

}  // namespace

std::optional<WaveSound> ReadWaveSound(std::string_view bytes) {
    if (bytes.size() < kRiffHeaderSize || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE")
        return std::nullopt;
    WaveSound sound;
    bool hasFormat = false;
    std::size_t at = kRiffHeaderSize;
    while (bytes.size() - at >= kChunkHeaderSize) {
        const std::string_view id = bytes.substr(at, 4);
        const std::size_t size = Little(bytes, at + 4, 4);
        at += kChunkHeaderSize;
        const std::string_view body = bytes.substr(at, size);  // cut short at the file's end
        if (id == "fmt ") {
            if (!ReadFormat(body, sound)) return std::nullopt;
            hasFormat = true;
        } else if (id == "data") {
            if (!hasFormat) return std::nullopt;
            sound.samples = body.substr(0, body.size() - body.size() % sound.bytesPerFrame);
            return sound;
        }
        if (size >= bytes.size() - at) break;
        at += size + (size & 1);  // chunks are padded to an even size
    }
    return std::nullopt;
}

}  // namespace qtplatform
