// The builder's files in the base directory: the databases Airport.nav, Navaids.nav,
// Ils.nav and Country.nav, written after a scan and on closing, and read when the builder
// starts; and the text listings Navaids.txt and Airports.txt that a merge reads.
#pragma once

#include <string>
#include <vector>

#include "gathrel/database_scan.h"
#include "platform/file_set.h"

namespace gathrel {

inline constexpr const char* kAirportFileName = "Airport.nav";
inline constexpr const char* kNavaidsFileName = "Navaids.nav";
inline constexpr const char* kIlsFileName = "Ils.nav";
inline constexpr const char* kNavaidListingName = "Navaids.txt";
inline constexpr const char* kAirportListingName = "Airports.txt";

struct DatabasePaths {
    std::string airport, navaids, ils, country;  // Windows paths
    std::string navaidListing, airportListing;
};

// How many records each database holds; an airport counts once, whatever the number of
// its runway lines.
struct DatabaseCounts {
    std::size_t airports = 0, navaids = 0, ils = 0, countries = 0;
    bool operator==(const DatabaseCounts&) const = default;
};

// baseDirectory ends in a backslash.
DatabasePaths DatabasePathsIn(const std::string& baseDirectory);

// The bytes of a database: the count padded to width (a bare count for width 0), then
// each line (its own line feed, if any, dropped), CR LF after every line.
std::string DatabaseFileBytes(const std::vector<std::string>& lines, std::size_t width);

// Writes the scan's four files: each to a temporary beside its target, and only once all
// four are written is any renamed over its target. The status names the file being
// saved. False, with the path at fault, when one could not be written (the old databases
// are then all kept) or replaced.
bool WriteScanDatabases(const ScanResult& scan, const DatabasePaths& paths, ScanProgress& progress,
                        std::string& failedPath);

// Replaces the files together (platform/file_set.h), their folders made when missing.
// False, with the path at fault, when one could not be replaced.
bool ReplaceDatabaseFiles(const std::vector<platform::FileReplacement>& files, std::string& failedPath);

// The record lines of an existing database, each with a line feed, its count line left
// out; false (and no lines) when it cannot be read. LF and CR LF alike.
bool ReadDatabaseLines(const std::string& windowsPath, std::vector<std::string>& lines);

// The records of the databases on disk, as ReadDatabaseLines counts them (Country.nav's
// countries alike); a file that is missing or cannot be read holds none.
DatabaseCounts CountDatabaseRecords(const DatabasePaths& paths);
DatabaseCounts CountsOf(const ScanResult& scan);

}  // namespace gathrel
