// Magnetic variations for the demo airports, derived from their real runway numbers and
// true headings: the planner numbers a runway round((true heading - variation) / 10), so
// a variation inside every runway's window gives the numbers the airport really has.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "fsinstall/scenery_content.h"

namespace demodata {

// A runway's first end as the airport database names it: its number (1 to 36) and its
// true heading.
struct RunwayDesignation {
    int number = 36;
    double trueHeading = 0.0;
};
using RunwayDesignations = std::map<std::string, std::vector<RunwayDesignation>>;

// The variation (degrees, east positive) in the middle of the window that gives every
// runway its number, or the one that gives the most of them their numbers when no
// single window does; nullopt without runways.
std::optional<double> VariationForNumbers(const std::vector<RunwayDesignation>& runways);

// The numbered first end of each runway by airport ident; nullopt when the database
// cannot be read.
std::optional<RunwayDesignations> ReadRunwayDesignations(const std::string& hostPath);

// Every runway of an airport gets the airport's derived variation; an airport without
// numbered runways the nearest derived one, within a few degrees, else 0.
void SetMagneticVariations(std::vector<fsinstall::Airport>& airports, const RunwayDesignations& designations);

}  // namespace demodata
