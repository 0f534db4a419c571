#include "qtplatform/sound_player.h"

namespace qtplatform {
namespace {

platform::SeamSlot<SoundHandler>& SoundSlot() {
    static platform::SeamSlot<SoundHandler> slot;
    return slot;
}

// No audio output is built in yet.
bool PlayWithoutAudio(const std::string&) { return false; }

}  // namespace

bool PlaySoundFile(const std::string& windowsPath) {
    if (const SoundHandler handler = SoundSlot().Current()) return handler(windowsPath);
    return PlayWithoutAudio(windowsPath);
}

SoundHandler SetSoundHandler(SoundHandler handler) { return SoundSlot().Swap(std::move(handler)); }

}  // namespace qtplatform
