// The keys of an adventure definition, in the order the definition holds them.
//
// A key line is a tab, the key's section name, its code and a colon: "\tTITLE_000:".
// The code (with its underscore) is what a lookup asks for; a Key converts to it, so
// definition.Value(adf::keys::kTitle) reads the title. The route part between the ATC
// keys and the weather keys has its own grammar (route_file.h).
#pragma once

#include <string>
#include <string_view>

namespace adf {

struct Key {
    std::string_view name;  // "TITLE"
    std::string_view code;  // "_000", "_107U", "_904_BEG"

    constexpr operator std::string_view() const noexcept { return code; }
    // "\t" + name + code + ":"
    std::string Line() const { return "\t" + std::string(name) + std::string(code) + ":"; }
};

namespace keys {

// Briefing: what the briefing shows, and its texts.
inline constexpr Key kBriefingShowsTitle{"TITLE", "_900"};
inline constexpr Key kBriefingShowsPlane{"PLANE", "_901"};
inline constexpr Key kBriefingListsKeys{"KEYS", "_902"};
inline constexpr Key kBriefingShowsTime{"TIME", "_903"};
inline constexpr Key kBriefingTimeGiven{"TIME", "_903_GIVEN"};
inline constexpr Key kBriefingShowsDescription{"DESC", "_904"};
inline constexpr Key kBriefingDescriptionBegin{"DESC", "_904_BEG"};
inline constexpr Key kBriefingDescriptionEnd{"DESC", "_904_END"};
inline constexpr Key kBriefingShowsText{"BRIEF", "_905"};
inline constexpr Key kBriefingTextBegin{"BRIEF", "_905_BEG"};
inline constexpr Key kBriefingTextEnd{"BRIEF", "_905_END"};

// Plane performance.
inline constexpr Key kPlaneName{"PLANE", "_800"};
inline constexpr Key kCruiseAltitude{"CRUISE", "_801"};
inline constexpr Key kLandingSpeed{"LANDSPEED", "_802"};
inline constexpr Key kV1{"V1", "_803"};
inline constexpr Key kV2{"V2", "_804"};
inline constexpr Key kVr{"VR", "_805"};
inline constexpr Key kEnginesOff{"ENGINEOFF", "_899"};

// General information.
inline constexpr Key kTitle{"TITLE", "_000"};
inline constexpr Key kDescription{"DESCRIPTION", "_001"};
inline constexpr Key kSeason{"SEASON", "_002"};
inline constexpr Key kLongitudeHemisphere{"LONGITUDE", "_003"};
inline constexpr Key kLatitudeHemisphere{"LATITUDE", "_004"};
inline constexpr Key kAutopilotMaster{"AUTOMASTER", "_005"};
inline constexpr Key kSmokeSystem{"SMOKESYS", "_006"};
inline constexpr Key kAutoCoordination{"AUTOCOORD", "_007"};
inline constexpr Key kTrueAirspeed{"AIR_SP_IND", "_008"};
inline constexpr Key kPerformance{"PERFORMANCE", "_009"};
inline constexpr Key kStartTime{"TIME", "_010"};
inline constexpr Key kPlane{"PLANE", "_011"};

// ATC and co-pilot. Key options hold "1" and a second line with the key.
inline constexpr Key kAlwaysGivePosition{"ALWAYSPOS", "_100"};
inline constexpr Key kAtcAlwaysContact{"ATCALWAYSCONTACT", "_101"};
inline constexpr Key kAtcHelp{"ATC_HELP", "_102"};
inline constexpr Key kShowWrong{"SHOW_WRONG", "_103"};
inline constexpr Key kHolding{"ATC_GIVE_HOLDING", "_104"};
inline constexpr Key kLandingEmergency{"EMERGENCY", "_105"};
inline constexpr Key kAdvice{"ADVICE", "_106"};
inline constexpr Key kClimbRequest{"ALT_CHANGE", "_107U"};
inline constexpr Key kDescendRequest{"ALT_CHANGE", "_107D"};
inline constexpr Key kCourseChangeRequest{"COURSE_CHANGE", "_108"};
inline constexpr Key kMissedLanding{"ALT_CHANGE", "_109"};
inline constexpr Key kAutoland{"AUTOLAND", "_110"};
inline constexpr Key kPushBack{"PUSHBACK", "_111"};
inline constexpr Key kRestart{"RESTART", "_112"};
inline constexpr Key kQuit{"QUIT", "_113"};
inline constexpr Key kSpeedCalls{"SPEED", "_114"};

// Weather and landing.
inline constexpr Key kWeatherMode{"WX_TYPE", "_4000"};
inline constexpr Key kWeatherRain{"WX_RAIN", "_4001"};
inline constexpr Key kWeatherWind{"WX_WIND", "_4002"};
inline constexpr Key kWeatherVisibility{"WX_VISIBILITY", "_4003"};
inline constexpr Key kWeatherClouds{"WX_CLOUDS", "_4004"};
inline constexpr Key kWeatherTurbulence{"WX_TURBULENCES", "_4005"};
inline constexpr Key kWeatherTemperature{"WX_TMP", "_4006"};
inline constexpr Key kWeatherVariation{"WX_VAR", "_4007"};
inline constexpr Key kDefaultLanding{"USESIDSTAR", "_5000"};  // 1: no SID/STAR procedures

// Failures: the probability in percent, the items that may fail, and whether the
// co-pilot announces a failure.
inline constexpr Key kFailureProbability{"EMERG", "_1000"};
inline constexpr Key kFailAdf{"EMERG", "_1001"};
inline constexpr Key kFailAirspeedIndicator{"EMERG", "_1002"};
inline constexpr Key kFailAltimeter{"EMERG", "_1003"};
inline constexpr Key kFailAttitudeIndicator{"EMERG", "_1004"};
inline constexpr Key kFailAutopilot{"EMERG", "_1005"};
inline constexpr Key kFailEngine1{"EMERG", "_1006"};
inline constexpr Key kFailEngine2{"EMERG", "_1007"};
inline constexpr Key kFailEngine3{"EMERG", "_1008"};
inline constexpr Key kFailEngine4{"EMERG", "_1009"};
inline constexpr Key kFailGear1{"EMERG", "_1010"};
inline constexpr Key kFailGear2{"EMERG", "_1011"};
inline constexpr Key kFailGear3{"EMERG", "_1012"};
inline constexpr Key kFailHeadingIndicator{"EMERG", "_1013"};
inline constexpr Key kFailNav{"EMERG", "_1014"};
inline constexpr Key kFailPanelLights{"EMERG", "_1015"};
inline constexpr Key kFailStrobes{"EMERG", "_1016"};
inline constexpr Key kFailTransponder{"EMERG", "_1017"};
inline constexpr Key kFailTurnCoordinator{"EMERG", "_1018"};
inline constexpr Key kFailVerticalSpeed{"EMERG", "_1019"};
inline constexpr Key kAnnounceFailure{"EMERG", "_1020"};
// The items that may fail, in file order.
inline constexpr Key kFailureKeys[] = {
    kFailAdf,
    kFailAirspeedIndicator,
    kFailAltimeter,
    kFailAttitudeIndicator,
    kFailAutopilot,
    kFailEngine1,
    kFailEngine2,
    kFailEngine3,
    kFailEngine4,
    kFailGear1,
    kFailGear2,
    kFailGear3,
    kFailHeadingIndicator,
    kFailNav,
    kFailPanelLights,
    kFailStrobes,
    kFailTransponder,
    kFailTurnCoordinator,
    kFailVerticalSpeed,
};
inline constexpr Key kCrash{"CRASH", "_1050"};  // mode digit, then three option digits

// "0", or the folder of the ATC sound files.
inline constexpr Key kSound{"SOUND", "_2000"};

}  // namespace keys
}  // namespace adf
