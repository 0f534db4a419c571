// Reads arbitrary bytes as a sound file: what it accepts must lie inside the bytes, in
// whole frames of a format the player takes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "wave_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto sound = qtplatform::ReadWaveSound(bytes);
    if (!sound) return 0;
    const char* begin = bytes.data();
    if (sound->samples.data() < begin || sound->samples.data() + sound->samples.size() > begin + size) std::abort();
    if (sound->channels == 0 || sound->bytesPerFrame == 0 || sound->samples.size() % sound->bytesPerFrame != 0)
        std::abort();
    return 0;
}
