// Turning the record lines of the three databases into the planner's records. Each
// reader appends to records whose entry 0 is unused, numbering from 1.
#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "map/nav_database.h"
#include "navdb/database_file.h"

namespace trevalo {

using CountryFilter = std::function<bool(const std::string& country)>;

// Keeps the airports whose country passes the filter; progress gets 0..100 by line. The
// airports and their lines are parsed on a few threads once the filter (called on the
// caller's thread only) has chosen them.
void ReadAirportRecords(const DatabaseRecords& database, const CountryFilter& isCountryLoaded,
                        std::vector<AirportRecord>& records, CAirportArray& lines, std::atomic<int>& progress);
void ReadNavaidRecords(const DatabaseRecords& database, std::vector<NavaidRecord>& records, CNavaidArray& lines);
void ReadIlsRecords(const DatabaseRecords& database, std::vector<IlsRecord>& records, std::vector<std::string>& lines);

// Record i of a line, used by all three readers.
AirportRecord AirportFromLine(const char* line, int number);
NavaidRecord NavaidFromLine(const char* line, int number);
IlsRecord IlsFromLine(const char* line);

}  // namespace trevalo
