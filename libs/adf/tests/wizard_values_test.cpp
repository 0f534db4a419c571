#include "adf/wizard_values.h"

#include <gtest/gtest.h>

namespace {

TEST(WizardValues, DefaultsThatTheGeneratorsRelyOn) {
    const adf::WizardValues values;
    EXPECT_EQ(values.general.performance, 2);
    EXPECT_EQ(values.general.performanceNumber, "5");
    EXPECT_EQ(values.general.startTime, (adf::TimeOfDay{9, 0, 0}));
    EXPECT_EQ(values.keys.keyList.size(), 6u);
    EXPECT_EQ(values.keys.keyList.front(), "_100\tCTRL \"p\"");
    EXPECT_EQ(values.weather.temperature, 59);
    EXPECT_EQ(values.landing.airports.size(), 50u);
    EXPECT_EQ(values.emergency.crashMode, adf::kDetectCrashAndReset);
    EXPECT_EQ(values.emergency.stressDamage, 1);
    EXPECT_EQ(values.emergency.offRunwayCrash, 0);
    EXPECT_EQ(values.emergency.collideWithScenery, 0);
    EXPECT_EQ(values.plane.performance.cruiseAltitude, adf::kNotSet);
    // The long text describes the briefing file; the short one asks for the briefing.
    EXPECT_EQ(values.briefing.descriptionText, adf::kDefaultBriefingDescription);
    EXPECT_EQ(values.briefing.briefingText, "Give a pre-flight briefing to the user");
}

TEST(WizardValues, ResetRestoresDefaultsButKeepsThePlaneAndTheLiveValues) {
    adf::WizardValues values;
    values.general.title = "Dusk run";
    values.general.performanceNumber.clear();
    values.general.plane = "Lear45";
    values.keys.keyList.clear();
    values.keys.alwaysGivePosition = 0;
    values.emergency.crashMode = adf::kIgnoreCrash;
    values.briefing.briefingText = "mine";
    values.plane.performance.cruiseAltitude = 31000;
    values.plane.enginesOff = 1;
    values.realTime.refreshInterval = 12;

    adf::ResetPages(values);

    adf::WizardValues expected;
    expected.general.plane = "Lear45";
    expected.plane.performance.cruiseAltitude = 31000;
    expected.realTime.refreshInterval = 12;
    EXPECT_EQ(values, expected);
}

}  // namespace
