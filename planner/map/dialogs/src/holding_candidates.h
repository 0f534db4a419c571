// The navaids that may hold a route airport's holding, and the list texts that carry
// their index.
#pragma once

#include <string>
#include <vector>

#include "beaconex/navaid_array.h"

namespace trevalo::mapdialogs_detail {

// "%10s%50s%d" of each navaid (in list order) that is neither an ILS nor a VOR and, when
// rangeNm is not -1, lies within rangeNm nautical miles of the airport (arc-seconds, east
// and north positive). Index 0 is left out: a holding value of 0 means none.
std::vector<std::string> HoldingCandidateTexts(const CNavaidArray& navaids, double airportX, double airportY,
                                               int rangeNm);

// The navaid index that a candidate text carries.
int CandidateIndex(const std::string& text);

}  // namespace trevalo::mapdialogs_detail
