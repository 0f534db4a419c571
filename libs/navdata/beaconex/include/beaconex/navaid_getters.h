// Field getters of the navaid record line. Each copies its columns untrimmed into out
// and terminates them (out holds the field width + 1); columns the line does not reach
// read as blanks. No kind test.
#pragma once

#include "beaconex/export.h"

BEACONEX_API void GetNavaidsCountry(char* out, const char* line);  // 31 bytes
BEACONEX_API void GetNavaidsType(char* out, const char* line);     // 4 bytes
BEACONEX_API void GetNavaidsID(char* out, const char* line);       // 11 bytes
BEACONEX_API void GetNavaidsFreq(char* out, const char* line);     // 21 bytes
BEACONEX_API void GetNavaidsLat(char* out, const char* line);      // 22 bytes
BEACONEX_API void GetNavaidsLon(char* out, const char* line);      // 22 bytes
BEACONEX_API void GetNavaidsElev(char* out, const char* line);     // 16 bytes
BEACONEX_API void GetNavaidsName(char* out, const char* line);     // 51 bytes
