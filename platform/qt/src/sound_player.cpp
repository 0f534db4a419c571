#include "qtplatform/sound_player.h"

#include <cstdlib>

#include "alsa_output.h"
#include "platform/files.h"
#include "wave_format.h"

namespace qtplatform {
namespace {

// The ALSA device sounds go to; QUILLET_SOUND_DEVICE names another ("null" discards).
constexpr const char* kDeviceVariable = "QUILLET_SOUND_DEVICE";
constexpr const char* kDefaultDevice = "default";

platform::SeamSlot<SoundHandler>& SoundSlot() {
    static platform::SeamSlot<SoundHandler> slot;
    return slot;
}

const char* SoundDevice() {
    const char* device = std::getenv(kDeviceVariable);
    return device != nullptr && *device != '\0' ? device : kDefaultDevice;
}

bool PlayOnSoundCard(const std::string& windowsPath) {
    std::string bytes;
    if (!platform::ReadFileBytes(windowsPath, bytes)) return false;
    const std::optional<WaveSound> sound = ReadWaveSound(bytes);
    return sound && PlayOnDevice(*sound, SoundDevice());
}

}  // namespace

bool PlaySoundFile(const std::string& windowsPath) {
    if (const SoundHandler handler = SoundSlot().Current()) return handler(windowsPath);
    return PlayOnSoundCard(windowsPath);
}

SoundHandler SetSoundHandler(SoundHandler handler) { return SoundSlot().Swap(std::move(handler)); }

}  // namespace qtplatform
