// Playing a sound file to its end: a seam. The suite has no audio output yet, so the real
// player refuses every sound (the callers show their own failure message); tests answer
// with a SoundRecorder.
#pragma once

#include <functional>
#include <string>

#include "platform/seam.h"

namespace qtplatform {

using SoundHandler = std::function<bool(const std::string& windowsPath)>;

// Plays the file synchronously; false when it cannot be played.
bool PlaySoundFile(const std::string& windowsPath);

// Installs a handler in place of the player; an empty one brings the player back.
SoundHandler SetSoundHandler(SoundHandler handler);

// Records each file played and answers from the script, then that it played.
class SoundRecorder : public platform::SeamRecorder<std::string, bool> {
public:
    explicit SoundRecorder(std::vector<bool> answers = {})
        : SeamRecorder(&SetSoundHandler, std::move(answers), true) {}
};

}  // namespace qtplatform
