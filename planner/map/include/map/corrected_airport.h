// Lookup of a user-corrected airport position in QuilletCorrect.nav of the base directory.
#pragma once

#include <string>

namespace trevalo {

inline constexpr const char* kCorrectionsFileName = "QuilletCorrect.nav";

// Finds the record of ident and runway; true with its latitude and longitude (decimal
// degrees as stored) when found. A missing file gives false.
bool LookupCorrectedAirport(const std::string& ident, const std::string& runway,
                            const std::string& baseDirectory, double& latitude,
                            double& longitude);

}  // namespace trevalo
