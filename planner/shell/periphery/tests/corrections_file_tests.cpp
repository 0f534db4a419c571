#include "periphery/corrections_file.h"

#include <gtest/gtest.h>

#include "testing/file_size_limit.h"
#include "testing/temp_environment.h"

namespace trevalo {
namespace {

constexpr const char* kPath = "C:\\Quillet\\QuilletCorrect.nav";
constexpr const char* kHostFile = "drive_c/Quillet/QuilletCorrect.nav";

class CorrectionsFileTest : public ::testing::Test {
protected:
    std::string Bytes() { return env_.readFile(env_.root() / kHostFile); }

    platform::testing::TempEnvironment env_;
};

TEST_F(CorrectionsFileTest, SavingAPairAgainLeavesOneRecordAtTheEnd) {
    env_.writeFile("drive_c/Quillet/.keep", "");
    ASSERT_TRUE(OpenOrCreateCorrections(kPath));
    EXPECT_EQ(Bytes(), "");
    ASSERT_TRUE(SaveCorrection(kPath, {"LSZH", "14", 47.458, 8.548}));
    ASSERT_TRUE(SaveCorrection(kPath, {"EDDF", "07L", 50.03, -8.57}));
    ASSERT_TRUE(SaveCorrection(kPath, {"LSZH", " 14 ", 47.5, 8.5}));
    EXPECT_EQ(Bytes(),
              "id=EDDF\r\nrn=07L\r\nlat=50.030000\r\nlon=-8.570000\r\n"
              "id=LSZH\r\nrn=14\r\nlat=47.500000\r\nlon=8.500000\r\n");
    const std::optional<AirportCorrection> loaded = LoadCorrection(kPath, "EDDF", "L07");
    ASSERT_TRUE(loaded);
    EXPECT_DOUBLE_EQ(loaded->longitude, -8.57);
    EXPECT_FALSE(LoadCorrection(kPath, "eddf", "07L"));
}

TEST_F(CorrectionsFileTest, DeletingKeepsEverythingElseAndTheLastLeavesAnEmptyFile) {
    env_.writeFile(kHostFile,
                   "; kept\r\nid=LSZH\r\nrn=14\r\nlat=1.0\r\nlon=2.0\nid=EDDF\r\nrn=07\r\nlat=3\r\nlon=4\r\n");
    EXPECT_EQ(DeleteCorrection(kPath, "EDDF", "7"), DeleteResult::Deleted);
    EXPECT_EQ(Bytes(), "; kept\r\nid=LSZH\r\nrn=14\r\nlat=1.0\r\nlon=2.0\r\n");
    EXPECT_EQ(DeleteCorrection(kPath, "EDDF", "07"), DeleteResult::NotOnFile);
    env_.writeFile(kHostFile, "id=LSZH\r\nrn=14\r\nlat=1.0\r\nlon=2.0\r\n");
    EXPECT_EQ(DeleteCorrection(kPath, "LSZH", "14"), DeleteResult::Deleted);
    EXPECT_EQ(Bytes(), "");
    EXPECT_EQ(DeleteCorrection("C:\\Missing\\QuilletCorrect.nav", "LSZH", "14"), DeleteResult::Failed);
}

TEST_F(CorrectionsFileTest, AWriteThatFailsLeavesTheOldFile) {
    const std::string old = "id=LSZH\r\nrn=14\r\nlat=1.000000\r\nlon=2.000000\r\n";
    env_.writeFile(kHostFile, old);
    for (auto atLimit :
         {platform::testing::AtFileSizeLimit::WriteFails, platform::testing::AtFileSizeLimit::WriterDies}) {
        const auto outcome = platform::testing::RunWithFileSizeLimit(old.size() + 10, atLimit, [](std::string&) {
            return SaveCorrection(kPath, {"EDDF", "07", 50.03, -8.57}) ? 0 : 1;
        });
        EXPECT_NE(outcome.exitCode, 0);
        EXPECT_EQ(Bytes(), old);
    }
}

}  // namespace
}  // namespace trevalo
