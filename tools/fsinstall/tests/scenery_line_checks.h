// Checks that record lines read back from stand-in scenery agree with what was
// written, within the precision of the scenery and line formats.
#pragma once

#include <string>
#include <vector>

#include "fsinstall/scenery_content.h"

namespace fsinstall::testing {

// Angle text is cut at a ten-thousandth of a minute; the scenery units are finer.
inline constexpr double kPositionTolerance = 5e-6;  // degrees
// The runway heading field keeps five characters ("123.4").
inline constexpr double kHeadingTolerance = 0.1;

// Every line of the reader, in order: lines[i] for runways[i].
void ExpectRunwayLine(const Airport& airport, const Runway& runway, const std::string& line);

// Reads every scenery file of the installation folder (a Windows path) as the builder
// does, gathering the lines across files.
struct GatheredLines {
    std::vector<std::string> navaids;
    std::vector<std::string> airports;
    std::vector<std::string> ils;
};
GatheredLines ReadInstallationScenery(const std::string& installFolder);

}  // namespace fsinstall::testing
