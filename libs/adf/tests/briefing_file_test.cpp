#include "adf/briefing_file.h"

#include <gtest/gtest.h>

#include "testing/temp_environment.h"

namespace {

TEST(BriefingEstimate, MinutesOfFlightAndGroundTime) {
    struct Case {
        std::optional<double> distance;
        const char* speed;
        const char* text;
    } cases[] = {
        {std::nullopt, "100", "N/A"},  // fewer than two points
        {200.0, "100", "02:40 hr(s)"},
        {10.0, "200", "43 mins"},
        {10.0, "", "40 mins"},  // no speed: the ground time alone
        {10.0, "-5", "N/A"},
        {30.0, "90", "01:00 hr(s)"},
        {1e12, "1", "35791394:07 hr(s)"},  // bounded, not undefined
    };
    for (const Case& c : cases) EXPECT_EQ(adf::EstimateText(c.distance, c.speed), c.text) << c.speed;
}

adf::WizardValues Briefed() {
    adf::WizardValues values;
    values.general.title = "Dusk run";
    values.general.plane = "Lear45";
    values.briefing.descriptionText = "Two\r\nlines";
    values.briefing.briefingText = "Fly low.";
    values.keys.keyList = {"_111\t\"a\"", "_107D\tCTRL \"d\"", "no tab", "_999\tX", "_113\tCTRL\"q\""};
    return values;
}

TEST(BriefingFile, PartsInOrderEachWhenSwitchedOn) {
    EXPECT_EQ(adf::ComposeBriefing(Briefed(), "43 mins"),
              "Dusk run\n\nPLANE\nLear45\n\nDESCRIPTION\nTwo\nlines\n\nBRIEFING\nFly low.\n\n"
              "ESTIMATED TIME TO COMPLETE\nApproximately 43 mins\n\n"
              "KEY COMMANDS\nPress \"a\" to request push-back.\n"
              "Press CTRL \"d\" to request tower to descend 200 feet.\n"
              "Press CTRL\"q\" or ESC to end the adventure at any time.\n\n");

    adf::WizardValues none = Briefed();
    none.briefing.giveTitle = none.briefing.givePlaneName = none.briefing.giveDescription = 0;
    none.briefing.giveBriefing = none.briefing.giveEstimatedTime = none.briefing.giveKeyDescriptions = 0;
    EXPECT_EQ(adf::ComposeBriefing(none, "43 mins"), "");
}

TEST(BriefingFile, UsersEstimateUnlessBlankOrNotAvailable) {
    struct Case {
        const char* user;
        const char* shown;
    } cases[] = {{"  2 hours ", "Approximately 2 hours\n"},
                 {"N/A", "Approximately 43 mins\n"},
                 {"   ", "Approximately 43 mins\n"}};
    for (const Case& c : cases) {
        adf::WizardValues values = Briefed();
        values.briefing.userEstimate = c.user;
        EXPECT_NE(adf::ComposeBriefing(values, "43 mins").find(c.shown), std::string::npos) << c.user;
    }
}

TEST(BriefingFile, WrittenWithCrLf) {
    platform::testing::TempEnvironment env;
    env.writeFile("drive_c/Trip/Trip.brf", "older and longer text");
    EXPECT_FALSE(adf::WriteBriefingFile("  ", "x"));
    ASSERT_TRUE(adf::WriteBriefingFile(" C:\\Trip\\Trip.brf ", "A\n\nB\n"));
    EXPECT_EQ(env.readFile(env.driveC() / "Trip" / "Trip.brf"), "A\r\n\r\nB\r\n");
    EXPECT_FALSE(adf::WriteBriefingFile("C:\\Missing\\Trip.brf", "A"));
}

}  // namespace
