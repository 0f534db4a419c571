// The sound player: WAVE files read from their bytes, played through ALSA to the device
// that QUILLET_SOUND_DEVICE names ("null" plays to nowhere, an unknown name is a machine
// without a sound card).
#include <gtest/gtest.h>

#include <optional>

#include "platform/files.h"
#include "qtplatform/sound_player.h"
#include "qtplatform/testing/sound_testing.h"
#include "testing/temp_environment.h"
#include "wave_format.h"

namespace qtplatform {
namespace {

using testing::FormatChunkBody;
using testing::LittleBytes;
using testing::PcmWaveBytes;
using testing::RiffWave;
using testing::WaveChunk;

std::string ExtensibleFormat(std::uint16_t subFormat, unsigned channels, unsigned rate, unsigned bits) {
    return FormatChunkBody(0xFFFE, channels, rate, bits) + LittleBytes(22, 2) + LittleBytes(bits, 2) +
           LittleBytes(0x3, 4) + LittleBytes(subFormat, 2) + std::string(14, '\x10');
}

TEST(WaveFormat, ReadsThePlayableFormatsAndWholeFramesOnly) {
    struct Case {
        const char* what;
        std::string bytes;
        SampleFormat format;
        unsigned channels;
        unsigned rate;
        std::size_t sampleBytes;
    };
    const Case cases[] = {
        {"16-bit mono", PcmWaveBytes(1, 22050, 16, std::string(100, 'a')), SampleFormat::Signed16, 1, 22050, 100},
        {"8-bit stereo", PcmWaveBytes(2, 11025, 8, std::string(10, 'a')), SampleFormat::Unsigned8, 2, 11025, 10},
        {"a frame cut short", PcmWaveBytes(2, 8000, 16, std::string(10, 'a')), SampleFormat::Signed16, 2, 8000, 8},
        {"24-bit extensible",
         RiffWave(WaveChunk("fmt ", ExtensibleFormat(1, 2, 48000, 24)) + WaveChunk("data", std::string(12, 'a'))),
         SampleFormat::Signed24, 2, 48000, 12},
        {"float",
         RiffWave(WaveChunk("fmt ", FormatChunkBody(3, 1, 44100, 32)) + WaveChunk("data", std::string(8, 'a'))),
         SampleFormat::Float32, 1, 44100, 8},
        {"odd chunk before the format",
         RiffWave(WaveChunk("LIST", "abc") + WaveChunk("fmt ", FormatChunkBody(1, 1, 8000, 16)) +
                  WaveChunk("data", "abcd")),
         SampleFormat::Signed16, 1, 8000, 4},
        {"data cut short by the file's end", PcmWaveBytes(1, 8000, 16, "abcdef").substr(0, 44 + 3),
         SampleFormat::Signed16, 1, 8000, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::optional<WaveSound> sound = ReadWaveSound(c.bytes);
        ASSERT_TRUE(sound.has_value());
        EXPECT_EQ(sound->format, c.format);
        EXPECT_EQ(sound->channels, c.channels);
        EXPECT_EQ(sound->framesPerSecond, c.rate);
        EXPECT_EQ(sound->samples.size(), c.sampleBytes);
    }
}

TEST(WaveFormat, RefusesWhatThePlayerCannotPlay) {
    const std::string samples(16, 'a');
    const std::string cases[] = {
        "",
        "RIFF\x04\0\0\0WAVE",
        PcmWaveBytes(1, 8000, 16, samples).replace(8, 4, "AVI "),
        RiffWave(WaveChunk("data", samples) + WaveChunk("fmt ", FormatChunkBody(1, 1, 8000, 16))),
        RiffWave(WaveChunk("fmt ", FormatChunkBody(2, 1, 8000, 4)) + WaveChunk("data", samples)),  // ADPCM
        PcmWaveBytes(1, 8000, 12, samples),
        PcmWaveBytes(0, 8000, 16, samples),
        PcmWaveBytes(1, 0, 16, samples),
        RiffWave(WaveChunk("fmt ", FormatChunkBody(1, 1, 8000, 16).substr(0, 10)) + WaveChunk("data", samples)),
        RiffWave(WaveChunk("fmt ", ExtensibleFormat(2, 1, 8000, 16)) + WaveChunk("data", samples)),
        RiffWave(WaveChunk("fmt ", FormatChunkBody(1, 1, 8000, 16))),
    };
    for (const std::string& bytes : cases) EXPECT_FALSE(ReadWaveSound(bytes).has_value()) << bytes.size() << " bytes";
}

class SoundCard : public ::testing::Test {
protected:
    void SetUp() override {
        environment_.writeFile("drive_c/Quillet/Wav/Adv0001.wav", PcmWaveBytes(1, 8000, 16, std::string(1600, '\0')));
        environment_.writeFile("drive_c/Quillet/Wav/Adv0002.wav", "not a sound");
    }

    platform::testing::TempEnvironment environment_;
};

TEST_F(SoundCard, PlaysAWaveFileToItsEnd) {
    testing::ScopedSoundDevice device("null");
    EXPECT_TRUE(PlaySoundFile("C:\\Quillet\\Wav\\Adv0001.wav"));
}

TEST_F(SoundCard, FailsWithoutASoundCardOrAPlayableFile) {
    {
        testing::ScopedSoundDevice device(testing::kNoSoundCard);
        EXPECT_FALSE(PlaySoundFile("C:\\Quillet\\Wav\\Adv0001.wav"));
    }
    testing::ScopedSoundDevice device("null");
    EXPECT_FALSE(PlaySoundFile("C:\\Quillet\\Wav\\Adv0002.wav"));
    EXPECT_FALSE(PlaySoundFile("C:\\Quillet\\Wav\\Adv0003.wav"));
}

TEST_F(SoundCard, TheRecorderAnswersInsteadOfTheCard) {
    testing::ScopedSoundDevice device(testing::kNoSoundCard);
    SoundRecorder sounds({false});
    EXPECT_FALSE(PlaySoundFile("C:\\Quillet\\Wav\\Adv0001.wav"));
    EXPECT_TRUE(PlaySoundFile("C:\\Quillet\\Wav\\Adv0002.wav"));
    EXPECT_EQ(sounds.requests(),
              (std::vector<std::string>{"C:\\Quillet\\Wav\\Adv0001.wav", "C:\\Quillet\\Wav\\Adv0002.wav"}));
}

}  // namespace
}  // namespace qtplatform
