#include "mapview/land_capture.h"

#include <gtest/gtest.h>

#include "platform/message_box.h"
#include "testing/file_size_limit.h"
#include "testing/temp_environment.h"

namespace trevalo {
namespace {

TEST(LandCaptureTest, TheThirdClickGivesTheMarkerAndTheRectangle) {
    LandCapture capture;
    EXPECT_FALSE(capture.AddPoint({3600, 7200}));
    EXPECT_FALSE(capture.AddPoint({36000, -3600}));
    const std::optional<std::string> records = capture.AddPoint({18000, 1800});
    ASSERT_TRUE(records.has_value());
    EXPECT_EQ(*records, LandRecord(-9999, -9999, 1, 2) + LandRecord(5, -1, 10, 0.5));
    EXPECT_EQ(LandRecord(1, -2, 3.5, 4), "w:1.000000\nx:-2.000000\ny:3.500000\nz:4.000000\n");
    EXPECT_EQ(capture.Count(), 0);
}

TEST(LandCaptureTest, AppendsOnlyToAnExistingLandFile) {
    platform::testing::TempEnvironment env;
    EXPECT_FALSE(AppendToLandFile("C:\\Quillet\\", "w:1\n"));
    EXPECT_FALSE(std::filesystem::exists(env.driveC() / "Quillet" / "Land.nav"));

    env.writeFile("drive_c/Quillet/Land.nav", "; land\n");
    EXPECT_TRUE(AppendToLandFile("C:\\Quillet\\", "w:1\n"));
    EXPECT_EQ(platform::testing::TempEnvironment::readFile(env.driveC() / "Quillet" / "Land.nav"), "; land\nw:1\n");
}

TEST(LandCaptureTest, AnAppendThatFailsLeavesTheFileAndIsReported) {
    platform::testing::TempEnvironment env;
    const std::string before = "; land\n";
    const auto land = env.writeFile("drive_c/Quillet/Land.nav", before);
    const std::string records = LandRecord(-9999, -9999, 1, 2) + LandRecord(5, -1, 10, 0.5);

    const auto full = platform::testing::RunWithFileSizeLimit(
        before.size() + 10, platform::testing::AtFileSizeLimit::WriteFails,
        [&](std::string&) { return AppendToLandFile("C:\\Quillet\\", records) ? 1 : 0; });
    EXPECT_EQ(full.exitCode, 0);
    EXPECT_EQ(platform::testing::TempEnvironment::readFile(land), before);

    std::filesystem::permissions(land, std::filesystem::perms::owner_read);
    platform::MessageBoxRecorder boxes;
    EXPECT_FALSE(CaptureToLandFile("C:\\Quillet\\", records));
    EXPECT_EQ(platform::testing::TempEnvironment::readFile(land), before);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text,
              "The Land file 'Land.nav', could not be written\nPlease ensure that the system has full access to "
              "the file\n");
}

}  // namespace
}  // namespace trevalo
