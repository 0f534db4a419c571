// The search of the "Find on Map" dialog over the navaid and airport lists.
#pragma once

#include <string>
#include <vector>

#include "aerodrex/airport_array.h"
#include "beaconex/navaid_array.h"

namespace trevalo::mapdialogs_detail {

struct FindOptions {
    std::string text;
    bool navaids = true;
    bool airports = true;
    bool idents = true;
    bool names = true;
    bool matchCase = false;
};

struct FindResult {
    std::string key;  // "%s\t(A%02d,%02d)%s" of ident, longitude cell, latitude cell, name
    std::string ident, name;
    bool airport = false;
    int longitudeCell = 0, latitudeCell = 0;
};

// Navaids first, then airports, each in list order; every key once (an airport with
// several runway lines is found once). Nothing for an empty text. Either list may be null.
std::vector<FindResult> FindOnMap(const CNavaidArray* navaids, const CAirportArray* airports,
                                  const FindOptions& options);

}  // namespace trevalo::mapdialogs_detail
