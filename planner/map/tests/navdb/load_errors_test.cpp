#include <gtest/gtest.h>

#include "map/nav_database.h"
#include "platform/message_box.h"

namespace trevalo {
namespace {

constexpr const char* kUnmap = "An error occured while unmapping a pointer,\nYou might wish to restart you computer";
constexpr const char* kClose = "An error occured while closing a handle,\nYou might wish to restart you computer";

struct MessageCase {
    int code;
    const char* text;
};

const MessageCase kMessages[] = {
    {100,
     "The file 'Airport.nav' Could not be located\nYou must place that file in the APL directory\nYou cannot proceed "
     "without this file."},
    {101, "Invalid handle value for the Airport.nav"},
    {102, "Invalid handle value, (NULL), for the Airport.nav"},
    {103, kUnmap},
    {104, kClose},
    {105, kClose},
    {200,
     "The file 'Navaids.nav' Could not be located\nYou must place that file in the APL directory\nYou cannot proceed "
     "without this file."},
    {201, "Invalid handle value for the Navaids.nav"},
    {202, "Invalid handle value, (NULL), for the Navaids.nav"},
    {203, kUnmap},
    {204, kClose},
    {205, kClose},
    {300,
     "The file 'Ils.nav' Could not be located\nYou must place that file in the APL directory\nYou cannot proceed "
     "without this file."},
    {301, "Invalid handle value for the Ils.nav"},
    {302, "Invalid handle value, (NULL), for the Ils.nav"},
    {303, kUnmap},
    {304, kClose},
    {305, kClose},
    {106, "The file 'Airport.nav' does not hold records of 335 characters a line.\nNo airport was loaded from it."},
    {306, "The file 'Ils.nav' does not hold records of 92 characters a line.\nNo ILS was loaded from it."},
    {108, "An unknown error was reported "},
    {1, "An unknown error was reported "},
};

TEST(LoadErrorMessage, GivesEachCodesTextAndTheCode) {
    for (const MessageCase& c : kMessages) {
        char suffix[32];
        std::snprintf(suffix, sizeof suffix, "\nError [%06d]\n", c.code);
        EXPECT_EQ(LoadErrorMessage(c.code), std::string(c.text) + suffix) << c.code;
    }
}

class LoadErrorTest : public ::testing::Test {
protected:
    void SetUp() override { ResetLoadError(); }
    void TearDown() override { ResetLoadError(); }
    platform::MessageBoxRecorder boxes;
};

TEST_F(LoadErrorTest, ALaterCodeReplacesAnEarlierOneAndZeroClearsNothing) {
    SetLoadError(200);
    SetLoadError(300);
    SetLoadError(0);
    EXPECT_EQ(ReportLoadError(false), 300);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(LoadErrorTest, ACodeStoredWithItsOwnMessageShowsThatMessage) {
    SetLoadError(207, CutShortMessage(207, "Navaids.nav", 5000, 12));
    EXPECT_EQ(ReportLoadError(true), 207);
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{
                                 "The file 'Navaids.nav' ends early: its first line counts 5000 records, of which 12 "
                                 "were read.\nThe map shows those; build the database again for the rest."
                                 "\nError [000207]\n"});
    SetLoadError(300);
    EXPECT_EQ(ReportLoadError(true), 300);
    EXPECT_EQ(boxes.texts().back(), LoadErrorMessage(300));
}

TEST_F(LoadErrorTest, ReportShowsTheStoredCodeWithAnInformationIcon) {
    EXPECT_EQ(ReportLoadError(true), 0);
    EXPECT_TRUE(boxes.shown().empty());

    SetLoadError(102);
    EXPECT_EQ(ReportLoadError(true), 102);
    const auto shown = boxes.shown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, LoadErrorMessage(102));
    EXPECT_EQ(shown[0].icon, platform::MbIcon::Information);
    EXPECT_EQ(shown[0].buttons, platform::MbButtons::Ok);
}

}  // namespace
}  // namespace trevalo
