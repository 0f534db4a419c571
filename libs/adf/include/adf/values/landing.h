// The landing page's values: the default-landing switch and one slot per route airport
// (the n-th airport of the route, from 0) with the procedure chosen for it.
#pragma once

#include <string>
#include <vector>

namespace adf {

inline constexpr int kLandingSlotCount = 50;
inline constexpr int kPointsPerLandingSlot = 50;
inline constexpr const char* kNoProcedure = "N/A";

struct LandingSlot {
    std::string airportName{};
    std::string type{};                // "SID" (departure airports) or "STAR"
    std::string ident = kNoProcedure;  // the chosen procedure
    std::vector<std::string> legs{};   // the procedure's leg lines, at most kPointsPerLandingSlot

    bool operator==(const LandingSlot&) const = default;
};

struct LandingValues {
    int defaultLanding = 1;  // 1: no SID/STAR procedures
    std::string helpText{};
    std::vector<LandingSlot> airports = std::vector<LandingSlot>(kLandingSlotCount);

    bool operator==(const LandingValues&) const = default;
};

}  // namespace adf
