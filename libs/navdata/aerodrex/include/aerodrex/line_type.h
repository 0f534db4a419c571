// Tells the kind of a navigation record line by its length alone.
#pragma once

#include <string>

#include "aerodrex/export.h"

// Results of GetLineType.
enum NavLineType : int {
    kAirportLineType = 0,  // 335 characters
    kNavaidLineType = 1,   // 170 characters
    kIlsLineType = 2,      // 92 characters
    kOtherLineType = 3,    // any other length, a line end still attached included
};

AERODREX_API int GetLineType(const char* line);
AERODREX_API int GetLineType(std::string line);
