// Starting a companion program, answered through the program-start seam.
#include "platform/companion_program.h"

#include <gtest/gtest.h>

#include "platform/message_box.h"
#include "testing/temp_environment.h"

namespace platform {
namespace {

constexpr const char* kMissing = "Cannot locate the program";

class CompanionProgramTest : public ::testing::Test {
protected:
    testing::TempEnvironment env_;
    MessageBoxRecorder boxes_;
    Process process_;
};

TEST_F(CompanionProgramTest, AProgramIsStartedShownInItsOwnFolder) {
    env_.writeFile("drive_c/Tools/readme.txt", "");
    ProgramStartRecorder starts;
    EXPECT_TRUE(StartOrBringToFront(process_, "C:\\Tools\\platform_test_child.exe", kMissing));
    EXPECT_TRUE(StartOrBringToFront(process_, "C:\\Nowhere\\platform_test_child.exe", kMissing));
    ASSERT_EQ(starts.requests().size(), 2u);
    EXPECT_EQ(starts.requests()[0].program, "C:\\Tools\\platform_test_child.exe");
    EXPECT_EQ(starts.requests()[0].arguments, "");
    EXPECT_EQ(starts.requests()[0].workingFolder, "C:\\Tools\\");
    EXPECT_EQ(starts.requests()[0].show, ShowMode::Shown);
    // A folder that is not there is no working folder.
    EXPECT_EQ(starts.requests()[1].workingFolder, "");
    EXPECT_TRUE(boxes_.texts().empty());
}

TEST_F(CompanionProgramTest, AMissingProgramOrAFailedStartIsReported) {
    ProgramStartRecorder starts({ProgramStartAnswer{false, 0}});
    EXPECT_FALSE(StartOrBringToFront(process_, "C:\\Nowhere\\platform_test_child.exe", kMissing));
    EXPECT_FALSE(StartOrBringToFront(process_, "C:\\Nowhere\\NoSuchProgram.exe", kMissing));
    EXPECT_EQ(boxes_.texts(), (std::vector<std::string>{kStartFailedMessage, kMissing}));
    EXPECT_EQ(boxes_.shown()[0].caption, kStartFailedCaption);
    EXPECT_EQ(boxes_.shown()[1].icon, MbIcon::Stop);
    EXPECT_EQ(starts.requests().size(), 1u);
}

}  // namespace
}  // namespace platform
