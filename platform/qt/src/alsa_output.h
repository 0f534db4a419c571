// Sound output through ALSA: one sound played to its end on a named device.
#pragma once

#include "wave_format.h"

namespace qtplatform {

// Blocks until the device has played the last frame; false when the device cannot be
// opened (no sound card), refuses the format, or fails while playing.
bool PlayOnDevice(const WaveSound& sound, const char* device);

}  // namespace qtplatform
