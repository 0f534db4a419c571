// Playing a sound file to its end: a seam. The real player reads a WAVE file and plays
// it through ALSA; without a sound card it fails and the callers show their own message.
// Tests answer with a SoundRecorder.
#pragma once

#include <functional>
#include <string>

#include "platform/seam.h"

namespace qtplatform {

using SoundHandler = std::function<bool(const std::string& windowsPath)>;

// Plays the file synchronously; false when it cannot be read or played.
bool PlaySoundFile(const std::string& windowsPath);

// Installs a handler in place of the player; an empty one brings the player back.
SoundHandler SetSoundHandler(SoundHandler handler);

// Records each file played and answers from the script, then that it played.
class SoundRecorder : public platform::SeamRecorder<std::string, bool> {
public:
    explicit SoundRecorder(std::vector<bool> answers = {}) : SeamRecorder(&SetSoundHandler, std::move(answers), true) {}
};

}  // namespace qtplatform
