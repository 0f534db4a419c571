// Field getters of the airport record line. Text getters copy their columns untrimmed
// into out and terminate them (out holds the field width + 1); columns the line does
// not reach read as blanks. Getters marked "airport lines only" leave out untouched
// unless the line is exactly 335 characters long.
#pragma once

#include "aerodrex/export.h"

AERODREX_API void GetAirportCity(char* out, const char* line);      // 41 bytes; airport lines only
AERODREX_API void GetAirportCountry(char* out, const char* line);   // 31 bytes; airport lines only
AERODREX_API void GetAirportName(char* out, const char* line);      // 51 bytes
AERODREX_API void GetAirportID(char* out, const char* line);        // 11 bytes
AERODREX_API void GetAirportElev(char* out, const char* line);      // 16 bytes
AERODREX_API void GetAirportLat(char* out, const char* line);       // 21 bytes
AERODREX_API void GetAirportLong(char* out, const char* line);      // 21 bytes
AERODREX_API void GetAirportAtisFreq(char* out, const char* line);  // 11 bytes
AERODREX_API void GetAirportRunway(char* out, const char* line);    // 6 bytes
AERODREX_API void GetAirportSurface(char* out, const char* line);   // 11 bytes
AERODREX_API void GetAirportIlsFreq(char* out, const char* line);   // 11 bytes
AERODREX_API void GetAirportIlsId(char* out, const char* line);     // 11 bytes
AERODREX_API void GetAirportLatBeg(char* out, const char* line);    // 21 bytes; airport lines only
AERODREX_API void GetAirportLatEnd(char* out, const char* line);    // 21 bytes; airport lines only
AERODREX_API void GetAirportLonBeg(char* out, const char* line);    // 21 bytes; airport lines only
AERODREX_API void GetAirportLonEnd(char* out, const char* line);    // 21 bytes; airport lines only

// Runway heading without its side letter; 0.0 for a line that is not an airport line.
AERODREX_API double GetAirportRunwayDegree(const char* line);
AERODREX_API int GetAirportLenth(const char* line);
// 'L', 'R', 'H' or 'C', else 0.
AERODREX_API char GetAirportRnw(const char* line);
AERODREX_API double GetAirportMagVar(const char* line);
