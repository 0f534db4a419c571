// The plane file QuilletPlane.adp in the base directory: one block per plane, a header
// "[" + plane name + "]" in lower case and its values, so that a plane's performance is
// entered once. Saving puts the plane's block first and keeps the others lower-cased.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "adf/values/plane.h"

namespace adf {

inline constexpr const char* kPlaneFileName = "QuilletPlane.adp";
// What the plane page's edits get when they open on a plane without values.
inline constexpr const char* kOpeningCruiseAltitude = "30000";
inline constexpr const char* kOpeningLandingSpeed = "160";

// baseDirectory ends with a backslash.
std::string PlaneFilePath(std::string_view baseDirectory);

// The plane's values in the file's text; every value not in its block stays not set.
PlanePerformance ReadPlaneBlock(std::string_view fileText, std::string_view planeName);
// The file's text after saving the plane: its block first, then every other line of
// the old text, lower-cased and trimmed.
std::string PlaneFileText(std::string_view oldText, const PlanePerformance& plane);

// The plane's values from the file; none when the file cannot be read.
std::optional<PlanePerformance> LoadPlane(const std::string& planeFilePath, std::string_view planeName);
// Stores the plane's values in the file (created when missing) by atomic replace;
// false when it cannot be written, the old file then stays as it was.
bool SavePlane(const std::string& planeFilePath, const PlanePerformance& plane);

// The Mach read-out beside a speed edit: "0.28" for 160 knots.
std::string MachReadout(int knots);

}  // namespace adf
