#include "alsa_output.h"

#include <alsa/asoundlib.h>

#include <memory>

namespace qtplatform {
namespace {

// Half a second of buffer: enough against a busy machine, little delay before the sound.
constexpr unsigned kLatencyMicroseconds = 500000;

snd_pcm_format_t AlsaFormat(SampleFormat format) {
    switch (format) {
        case SampleFormat::Unsigned8:
            return SND_PCM_FORMAT_U8;
        case SampleFormat::Signed16:
            return SND_PCM_FORMAT_S16_LE;
        case SampleFormat::Signed24:
            return SND_PCM_FORMAT_S24_3LE;
        case SampleFormat::Signed32:
            return SND_PCM_FORMAT_S32_LE;
        case SampleFormat::Float32:
            return SND_PCM_FORMAT_FLOAT_LE;
    }
    return SND_PCM_FORMAT_UNKNOWN;
}

// The library's own reports go to stderr; the callers show the suite's message instead.
void QuietAlsaErrors(const char*, int, const char*, int, const char*, ...) {}

struct PcmClose {
    void operator()(snd_pcm_t* pcm) const { snd_pcm_close(pcm); }
};
using Pcm = std::unique_ptr<snd_pcm_t, PcmClose>;

Pcm OpenPlayback(const char* device) {
    snd_lib_error_set_handler(&QuietAlsaErrors);
    snd_pcm_t* pcm = nullptr;
    if (snd_pcm_open(&pcm, device, SND_PCM_STREAM_PLAYBACK, 0) < 0) return nullptr;
    return Pcm(pcm);
}

bool WriteFrames(snd_pcm_t* pcm, const WaveSound& sound) {
    const char* next = sound.samples.data();
    snd_pcm_uframes_t left = sound.samples.size() / sound.bytesPerFrame;
    while (left > 0) {
        snd_pcm_sframes_t written = snd_pcm_writei(pcm, next, left);
        if (written < 0) written = snd_pcm_recover(pcm, static_cast<int>(written), 1);
        if (written < 0) return false;
        next += static_cast<std::size_t>(written) * sound.bytesPerFrame;
        left -= static_cast<snd_pcm_uframes_t>(written);
    }
    return snd_pcm_drain(pcm) >= 0;
}

}  // namespace

bool PlayOnDevice(const WaveSound& sound, const char* device) {
    const Pcm pcm = OpenPlayback(device);
    if (!pcm) return false;
    if (snd_pcm_set_params(pcm.get(), AlsaFormat(sound.format), SND_PCM_ACCESS_RW_INTERLEAVED, sound.channels,
                           sound.framesPerSecond, 1, kLatencyMicroseconds) < 0)
        return false;
    return WriteFrames(pcm.get(), sound);
}

}  // namespace qtplatform
