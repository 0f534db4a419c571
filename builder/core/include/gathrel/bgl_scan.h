// One "Create Db" over scenery: the files found, read, and the four databases written
// only when the scan found something and ran to its end. The old databases stay in
// every other case, and the outcome says which.
#pragma once

#include <string>
#include <vector>

#include "gathrel/database_files.h"
#include "gathrel/database_scan.h"

namespace gathrel {

enum class ScanOutcome { Written, NothingFound, WriteFailed, Stopped };

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

ScanReport RunBglScan(const ScanRequest& request, ScanProgress& progress);

// What the user is told of an outcome other than Written (empty for Written).
std::string ScanOutcomeMessage(const ScanReport& report);

}  // namespace gathrel
