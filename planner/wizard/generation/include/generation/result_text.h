// The text of the box that ends Create adventure: what was made, what could not be.
#pragma once

#include <string>
#include <vector>

namespace trevalo {

inline constexpr const char* kResultCaption = "Adventure result";
inline constexpr const char* kAllCreatedText = "The adventure files where created and placed in the directory.";
inline constexpr const char* kNoPlanNoWeatherText =
    "The basic files was created as well as the main adventure file.\nbut the PLN AND the WX file could not be "
    "created.\nThe GPS will not be working and you might get an error message\nwhen starting the adventure\nThe "
    "weather will not be the same as the one saved\nPlease ensure you have proper access to all the directories.";
inline constexpr const char* kNothingButBasicsText =
    "The basic files was created as well as the main adventure file.\nbut the FLT file, WX file and the PLN file "
    "could not be created.\nThe plane might not be located at the correct location\nand some of the navaids might "
    "not be set correctly\nYou will also have a default weather at the location\nPlease ensure you have proper "
    "access to all the directories.";

struct SituationFiles {
    bool flight = true;      // <title>.flt filled
    bool flightPlan = true;  // <title>.pln written (or not asked for)
    bool gps = true;         // the GPS route added to the flight file
    bool weather = true;     // <title>.wx made
};

// title names the files in the text; failedCopies come from the install step.
std::string ResultText(const std::string& title, const SituationFiles& files,
                       const std::vector<std::string>& failedCopies);

}  // namespace trevalo
