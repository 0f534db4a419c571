// The definition step of Create adventure: <title>.adf composed from the wizard's values
// and the route file (map_internal.adf of the base directory) and written at once, then
// the briefing file <title>.brf (replacing the default one copied in).
#pragma once

#include <string>

#include "adf/wizard_values.h"
#include "generation/adventure_folder.h"

namespace trevalo {

inline constexpr const char* kRouteFileMissingMessage =
    "The Internal map could not be located \nYour adventure cannot be created correctly\nYou must ensure that you "
    "have correct access to the directory.";
inline constexpr const char* kRoutePartMissingMessage =
    " There was an error gathering data on page 3\n The .adf file might be corrupted or invalid";
inline constexpr const char* kRoutePartMissingCaption = "Error creating page 3";
inline constexpr const char* kBriefingNotCreatedMessage =
    "Could Not create the breifing file.\nPlease ensure that the system and Read/Write access to the disk.\nThe "
    "file was not created\n";
inline constexpr const char* kBriefingNotCreatedCaption = "Error creating file.";

struct DefinitionInputs {
    const adf::WizardValues& values;
    std::string baseDirectory;  // with its final backslash
    std::string routeFilePath;  // map_internal.adf, just written by the map view
    const AdventureFiles& files;
};

// False, with its message, when the definition could not be written; a route file that
// cannot be read or a briefing file not written is reported and passed over.
bool WriteDefinition(const DefinitionInputs& inputs);

}  // namespace trevalo
