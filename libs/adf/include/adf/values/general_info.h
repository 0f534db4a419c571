// The general page's values: the adventure's title and description, the simulator's
// season and hemispheres, the start switches, the expected performance, the start time
// and the plane.
#pragma once

#include <string>

namespace adf {

inline constexpr const char* kSeasonChoices[] = {"Random", "Summer", "Autumn", "Winter", "Spring"};
inline constexpr const char* kLongitudeChoices[] = {"Random", "West", "East"};
inline constexpr const char* kLatitudeChoices[] = {"Random", "North", "South"};
// The page's combo texts; the definition writes them with "_" ("Low_5", "Default_").
inline constexpr const char* kPerformanceChoices[] = {"Low", "Medium", "High", "Frame", "Default"};
inline constexpr int kDefaultPerformanceChoice = 4;
inline constexpr const char* kDefaultPerformanceNumber = "5";
// Written when no plane is selected.
inline constexpr const char* kFallbackPlane = "C182";
inline constexpr int kMaxTitleLength = 60;

// Hours on the 24-hour clock; only the time of day counts.
struct TimeOfDay {
    int hour = 9;
    int minute = 0;
    int second = 0;

    bool operator==(const TimeOfDay&) const = default;
};

struct GeneralInfoValues {
    std::string title{};
    std::string description{};  // lines joined by CR LF
    int season = 0;             // index into kSeasonChoices
    int longitudeSide = 1;      // index into kLongitudeChoices
    int latitudeSide = 1;       // index into kLatitudeChoices
    int autopilotMaster = 0;
    int smokeSystem = 0;
    int autoCoordination = 1;
    int airspeedIndicator = 0;  // 1: shows true airspeed
    int performance = 2;        // index into kPerformanceChoices
    std::string performanceNumber = kDefaultPerformanceNumber;
    TimeOfDay startTime{};
    std::string plane{};  // the selected entry of the plane list; empty: none selected
    std::string helpText{};

    bool operator==(const GeneralInfoValues&) const = default;
};

}  // namespace adf
