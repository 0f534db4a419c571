// Field getters of the ILS record line. Text getters copy their columns untrimmed into
// out and terminate them (11 bytes); columns the line does not reach read as blanks.
#pragma once

#include <string>

#include "beaconex/export.h"

BEACONEX_API int GetilsType(const char* line);
BEACONEX_API void GetilsID(char* out, const char* line);
BEACONEX_API void GetilsairportID(char* out, const char* line);
BEACONEX_API double GetilsFreq(const char* line);
BEACONEX_API double GetilsFreq(std::string line);
BEACONEX_API double GetilsHdg(const char* line);
BEACONEX_API double GetilsHdg(std::string line);
// 'L', 'R' or 'H', else 0.
BEACONEX_API char GetilsRnw(const char* line);
BEACONEX_API double GetilsMagVar(const char* line);
BEACONEX_API double GetilsMagVar(std::string line);
