// The emergency page's values: which items may fail, the failure chance, whether the
// co-pilot announces a failure, and how crashes are treated (the frame's crash menu
// acts on these).
#pragma once

#include <string>

namespace adf {

inline constexpr int kMaxFailureChance = 99;
inline constexpr const char* kEmergencyHelpText =
    "Please select the variables you would like to fail\nThe higher the percent, the higher "
    "the chance of one of the selected item to 'Fail'\n(The longer the flight the more "
    "chances of failure of all the items)";

enum CrashMode { kIgnoreCrash = 0, kDetectCrashAndReset = 1, kDetectCrashAndShowGraph = 2 };

struct EmergencyValues {
    int failureChance = 20;  // percent, 0 to kMaxFailureChance
    int adf = 0;
    int airspeedIndicator = 0;
    int altimeter = 0;
    int attitudeIndicator = 0;
    int autopilot = 0;
    int engine1 = 0;
    int engine2 = 0;
    int engine3 = 0;
    int engine4 = 0;
    int gear1 = 0;
    int gear2 = 0;
    int gear3 = 0;
    int headingIndicator = 0;
    int nav = 0;
    int panelLight = 0;
    int strobe = 0;
    int transponder = 0;
    int turnCoordinator = 0;
    int verticalSpeed = 0;
    int displayWhenFails = 1;  // the co-pilot announces a failure
    int crashMode = kDetectCrashAndReset;
    int stressDamage = 1;  // aircraft stress causes damage
    int offRunwayCrash = 0;
    int collideWithScenery = 0;
    std::string helpText = kEmergencyHelpText;

    bool operator==(const EmergencyValues&) const = default;
};

// The nineteen items that may fail, in the page's (and the definition's) order.
inline constexpr int EmergencyValues::*kFailureItems[] = {
    &EmergencyValues::adf,
    &EmergencyValues::airspeedIndicator,
    &EmergencyValues::altimeter,
    &EmergencyValues::attitudeIndicator,
    &EmergencyValues::autopilot,
    &EmergencyValues::engine1,
    &EmergencyValues::engine2,
    &EmergencyValues::engine3,
    &EmergencyValues::engine4,
    &EmergencyValues::gear1,
    &EmergencyValues::gear2,
    &EmergencyValues::gear3,
    &EmergencyValues::headingIndicator,
    &EmergencyValues::nav,
    &EmergencyValues::panelLight,
    &EmergencyValues::strobe,
    &EmergencyValues::transponder,
    &EmergencyValues::turnCoordinator,
    &EmergencyValues::verticalSpeed,
};

}  // namespace adf
