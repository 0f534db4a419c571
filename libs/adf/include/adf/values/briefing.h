// The briefing page's values: which parts the briefing file shows, its free texts and
// the time estimates.
#pragma once

#include <string>

namespace adf {

inline constexpr const char* kDefaultBriefingDescription =
    "The briefing file is a simply a text file that you use to provide information from the "
    "Preflight Briefing Screen. This specific file uses the basic format used by most of the "
    "Flight Simulator 2000 lessons and adventures. But you can choose any format you wish.";
inline constexpr const char* kDefaultBriefingText = "Give a pre-flight briefing to the user";
inline constexpr const char* kNoEstimate = "N/A";
inline constexpr const char* kBriefingHelpText =
    "Please refer to the manual should you need more info\nOn this section.\nIf you are happy "
    "with the estimated time\nsimply leave the window below empty.";

struct BriefingValues {
    int giveTitle = 1;
    int givePlaneName = 1;
    int giveKeyDescriptions = 1;
    int giveEstimatedTime = 1;
    int giveDescription = 1;
    std::string descriptionText = kDefaultBriefingDescription;
    int giveBriefing = 1;
    std::string briefingText = kDefaultBriefingText;
    std::string userEstimate{};                  // as the user typed it
    std::string computedEstimate = kNoEstimate;  // "43 mins", "02:40 hr(s)"
    std::string helpText = kBriefingHelpText;

    bool operator==(const BriefingValues&) const = default;
};

}  // namespace adf
