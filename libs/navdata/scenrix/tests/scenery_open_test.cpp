// Opening scenery files: a plain file's bytes read once and handed out, and an inflated
// copy alike whether its memory is fresh or held another file before.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "file_buffers.h"
#include "fsinstall/jm_encoder.h"
#include "fsinstall/sample_world.h"
#include "fsinstall/scenery_writer.h"
#include "scenery_file.h"
#include "scenrix/scenery_layout.h"
#include "testing/temp_environment.h"

namespace scenrix::testing {
namespace {

namespace layout = scenrix::scenery;
using Bytes = std::vector<std::uint8_t>;

void PutU32(Bytes& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// A compressed file whose stream holds one literal and then a match of distance 0 over
// the rest: those bytes keep what the inflated copy held before, which must be zeros.
Bytes FileWithDistanceZeroMatch(int inflatedSize) {
    Bytes file = fsinstall::WriteSceneryFile(fsinstall::SampleWorld(), fsinstall::Compression::Compressed);
    const std::size_t header = layout::kExtendedHeaderLength;
    file.resize(header + layout::kCompressionHeaderLength);
    PutU32(file, header + layout::kInflatedSizeField, static_cast<std::uint32_t>(inflatedSize));
    PutU32(file, header + layout::kCheckValueField, 0);  // not checked
    fsinstall::JmStreamWriter stream;
    stream.Literal('a');
    stream.Match(0, inflatedSize - 1);
    stream.End();
    const Bytes bytes = stream.Finish();
    file.insert(file.end(), bytes.begin(), bytes.end());
    return file;
}

class SceneryOpenTest : public ::testing::Test {
protected:
    std::string Write(const char* name, const Bytes& bytes) {
        env_.writeFile(std::string("drive_c/") + name, std::string(bytes.begin(), bytes.end()));
        return std::string("C:\\") + name;
    }

    platform::testing::TempEnvironment env_;
};

TEST_F(SceneryOpenTest, InflatedCopiesReadAlikeInFreshAndReusedMemory) {
    constexpr int kInflated = 5000;
    const std::string path = Write("zero.bgl", FileWithDistanceZeroMatch(kInflated));
    std::string expected(1, 'a');
    expected.append(kInflated - 1, '\0');
    for (const bool reused : {false, true}) {
        // Only the buffer given here is kept, filled with bytes a fresh copy never holds.
        while (detail::TakeFileBuffer().capacity() > std::string().capacity()) {
        }
        if (reused) detail::GiveFileBuffer(std::string(4 * kInflated, '\xEE'));
        std::size_t size = 0;
        std::string inflated;
        ASSERT_EQ(detail::OpenSceneryFile(path, &size, &inflated), detail::kSceneryInflated) << reused;
        ASSERT_EQ(size, layout::kExtendedHeaderLength + kInflated) << reused;
        EXPECT_EQ(inflated.substr(layout::kExtendedHeaderLength, kInflated), expected) << reused;
        detail::GiveFileBuffer(std::move(inflated));
    }
}

TEST_F(SceneryOpenTest, APlainFileIsReadOnceAndItsBytesHandedOut) {
    const Bytes bytes = fsinstall::WriteSceneryFile(fsinstall::SampleWorld(), fsinstall::Compression::Plain);
    const std::string path = Write("plain.bgl", bytes);
    std::size_t size = 0;
    std::string inflated;
    platform::MappedFile plain;
    ASSERT_EQ(detail::OpenSceneryFile(path, &size, &inflated, &plain), detail::kSceneryPlain);
    EXPECT_TRUE(inflated.empty());
    // The bytes are those read when the file was opened, whatever becomes of it.
    std::filesystem::remove(env_.driveC() / "plain.bgl");
    ASSERT_TRUE(plain.IsOpen());
    EXPECT_EQ(plain.text(), std::string(bytes.begin(), bytes.end()));
    EXPECT_EQ(detail::OpenSceneryFile(path, &size, &inflated, &plain), detail::kSceneryCannotOpen);
}

}  // namespace
}  // namespace scenrix::testing
