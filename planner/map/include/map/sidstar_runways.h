// Runway designators of the SID/STAR files: "%1s%02d" of the side letter (a blank when
// the runway has none) and the runway number 1..36, as in "L16" and " 09"; and "L/R%02d",
// which stands for both parallel runways of a number.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace trevalo {

std::string RunwayDesignator(char side, int number);
std::string ParallelRunwayDesignator(int number);

// The designators of one runway line: its heading's end, that end's "L/R" form when the
// side letter is L or R, the other end (with the same side letter) and its "L/R" form.
std::vector<std::string> RunwayLineDesignators(char side, double heading, double magneticVariation);

// "L/R16" for "L16" or "R16"; nullopt for a designator without side L or R.
std::optional<std::string> ParallelDesignatorOf(const std::string& designator);

}  // namespace trevalo
