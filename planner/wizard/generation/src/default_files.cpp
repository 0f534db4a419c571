#include "generation/default_files.h"

#include "platform/file_search.h"

namespace trevalo {
namespace {

constexpr const char* kPlaneNotPlaced =
    "Quillet will not be able to position your plane at the corect airport and\n"
    "Other setting will be defaulted by the system, (including the plane)";
constexpr const char* kNoDescription = "Quillet will not be able to create the corect description of the adventure\n";

enum Missing : unsigned { kPicture = 1, kFlight = 2, kBriefing = 4 };

// By the set of missing files.
std::string Message(unsigned missing) {
    const std::string notCrucialOne = "This file is not crutial to the adventure but it is advised to have it\n";
    const std::string notCrucialMore = "This files are not crutial to the adventure but it is advised to have them\n";
    const auto one = [](const char* file) {
        return std::string("The file '") + file + "' was not find in your default directory\n";
    };
    const auto some = [](const std::string& files) {
        return "The files " + files + " were not found in your default directory\n";
    };
    switch (missing) {
        case kPicture:
            return one(kDefaultPicture) + notCrucialOne;
        case kFlight:
            return one(kDefaultFlight) + notCrucialOne + kPlaneNotPlaced;
        case kPicture | kFlight:
            return some("'QuilletDefault.bmp' and 'QuilletDefault.flt'") + notCrucialMore + kPlaneNotPlaced;
        case kBriefing:
            return one(kDefaultBriefing) + notCrucialOne + kNoDescription;
        case kPicture | kBriefing:
            return some("'QuilletDefault.bmp' and 'QuilletDefault.brf'") + notCrucialMore + kNoDescription;
        case kFlight | kBriefing:
            return some("'QuilletDefault.brf' and 'QuilletDefault.flt'") + notCrucialMore + kPlaneNotPlaced + "," +
                   kNoDescription;
        default:
            return some("'QuilletDefault.bmp'. 'QuilletDefault.brf' and 'QuilletDefault.flt'") + notCrucialMore +
                   kPlaneNotPlaced + "," + kNoDescription;
    }
}

}  // namespace

std::optional<std::string> MissingDefaultFilesMessage(const std::string& baseDirectory) {
    unsigned missing = 0;
    if (!platform::FileExists(baseDirectory + kDefaultPicture)) missing |= kPicture;
    if (!platform::FileExists(baseDirectory + kDefaultFlight)) missing |= kFlight;
    if (!platform::FileExists(baseDirectory + kDefaultBriefing)) missing |= kBriefing;
    if (missing == 0) return std::nullopt;
    return Message(missing);
}

}  // namespace trevalo
