// The scenery reader: turns the navaids, airports, runways and ILS beams of one
// simulator scenery file (.bgl, plain or compressed) into navigation record lines,
// skipping those the builder already holds.
#pragma once

#include <string>
#include <vector>

#include "scenrix/export.h"

// The reader's line arrays, owned by Scenrix and passed to every call by the builder.
SCENRIX_API extern std::vector<std::string> saIlsInfo;         // every ILS line so far
SCENRIX_API extern std::vector<std::string> saNavaidsLinesSA;  // navaid lines of the last file
SCENRIX_API extern std::vector<std::string> saAirportLinesSA;  // airport lines of the last file
SCENRIX_API extern std::vector<std::string> saNavInfo;         // navaid lines the builder holds
SCENRIX_API extern std::vector<std::string> saAirportInfo;     // airport lines the builder holds

// Reads the scenery file at path (a Windows path). Empties navaidLines and airportLines
// and fills them with the file's new navaid and airport lines, each ending in a line
// feed; appends its new ILS lines (no line end) to ilsLines. knownNavaids and
// knownAirports are only read. Also appends computed runway ends to
// "C:\QuilletCorrect.nav" and unmatched runway starts to "C:\Invalid.txt". A file that
// cannot be read is reported by a message box. Always returns 0. Not for two threads
// at once.
SCENRIX_API int LoadDLLBGL(const char* path, std::vector<std::string>& ilsLines, std::vector<std::string>& navaidLines,
                           std::vector<std::string>& airportLines, std::vector<std::string>& knownNavaids,
                           std::vector<std::string>& knownAirports);
