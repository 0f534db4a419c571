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
#include "navdb/share_work.h"

namespace trevalo {

using CountryFilter = std::function<bool(const std::string& country)>;

// Keeps the airports whose country passes the filter and sorts them into the grid (file
// order within each cell; those outside the world go into none), numbered from 1 in
// file order; their lines are appended to lines in that order. Returns how many were
// kept; progress gets 0..100 by line. The work is shared out to a few threads by runs of
// at least recordsPerShare records, so the filter is called from several at once.
int ReadAirportRecords(const DatabaseRecords& database, const CountryFilter& isCountryLoaded, Grid<AirportRecord>& grid,
                       CAirportArray& lines, std::atomic<int>& progress, int recordsPerShare = kRecordsPerShare);
void ReadNavaidRecords(const DatabaseRecords& database, std::vector<NavaidRecord>& records, CNavaidArray& lines);
void ReadIlsRecords(const DatabaseRecords& database, std::vector<IlsRecord>& records, std::vector<std::string>& lines);

// Record i of a line, used by all three readers.
AirportRecord AirportFromLine(const char* line, int number);
NavaidRecord NavaidFromLine(const char* line, int number);
IlsRecord IlsFromLine(const char* line);

}  // namespace trevalo
