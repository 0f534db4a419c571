// Saving and deleting records of QuilletCorrect.nav (see map/corrected_airport.h). Each
// operation reads the file, and a change replaces it whole, so a failed write leaves the
// old file.
#pragma once

#include <optional>
#include <string>

#include "map/corrected_airport.h"

namespace trevalo {

// Creates an empty file when there is none; false when it can be neither read nor made.
bool OpenOrCreateCorrections(const std::string& path);
std::optional<AirportCorrection> LoadCorrection(const std::string& path, const std::string& ident,
                                                const std::string& runway);
// Replaces the pair's record by one at the end of the file; false when it cannot be written.
bool SaveCorrection(const std::string& path, const AirportCorrection& correction);

enum class DeleteResult { Deleted, NotOnFile, Failed };
DeleteResult DeleteCorrection(const std::string& path, const std::string& ident, const std::string& runway);

}  // namespace trevalo
