#include "mapview/land_capture.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace trevalo
