// The suite's default files in the base directory, copied into every new adventure, and
// the one message that names those missing when the wizard starts.
#pragma once

#include <optional>
#include <string>

namespace trevalo {

inline constexpr const char* kDefaultPicture = "QuilletDefault.bmp";
inline constexpr const char* kDefaultFlight = "QuilletDefault.flt";
inline constexpr const char* kDefaultBriefing = "QuilletDefault.brf";

// The message for the default files missing from the base directory (ending in a
// backslash); none when all three are there.
std::optional<std::string> MissingDefaultFilesMessage(const std::string& baseDirectory);

}  // namespace trevalo
