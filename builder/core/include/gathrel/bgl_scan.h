// One "Create Db" over scenery: the files found and read, then the four databases
// written, only when the scan found something and ran to its end. A caller that asks
// the user first scans with ScanForDatabases and writes with WriteScanReport; the old
// databases stay in every other case, and the outcome says which.
#pragma once

#include <string>
#include <vector>

#include "gathrel/database_files.h"
#include "gathrel/database_scan.h"

namespace gathrel {

// Found: read and not written yet.
enum class ScanOutcome { Written, NothingFound, WriteFailed, Stopped, Found };

struct ScanReport {
    ScanOutcome outcome = ScanOutcome::NothingFound;
    std::string failedPath;  // for WriteFailed
    ScanResult result;
};

struct ScanRequest {
    std::string sceneryFolder;            // empty when no simulator was found
    std::vector<std::string> driveRoots;  // CD-ROM drives
    DatabasePaths targets;
};

// Finds and reads the scenery: Found, NothingFound or Stopped.
ScanReport ScanForDatabases(const ScanRequest& request, ScanProgress& progress);
// Writes a Found report's lines over the databases: Written or WriteFailed.
void WriteScanReport(ScanReport& report, const DatabasePaths& targets, ScanProgress& progress);
// Both, without asking.
ScanReport RunBglScan(const ScanRequest& request, ScanProgress& progress);

// What the user is told of an outcome other than Written and Found (empty for those).
std::string ScanOutcomeMessage(const ScanReport& report);

}  // namespace gathrel
