// The scenery scan: every scenery file read with the scenery reader, its new lines
// gathered, and the countries of the airports found. Runs on the builder's worker.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "gathrel/scan_progress.h"
#include "gathrel/scenery_files.h"

namespace gathrel {

struct ScanResult {
    std::vector<std::string> navaidLines;   // each ending in a line feed
    std::vector<std::string> airportLines;  // each ending in a line feed
    std::vector<std::string> ilsLines;      // without line ends
    std::vector<std::string> countries;     // each once, sorted
    std::size_t filesRead = 0;
    bool stopped = false;  // a stop was asked for before every file was read

    // Nothing that would make a database worth writing over the old one.
    bool FoundNothing() const { return navaidLines.empty() && airportLines.empty(); }
};

// Reads the files through Scenrix's line arrays, which it empties before and after: a
// few files at a time on threads of their own, their lines added in the files' order.
// Stops between two files when progress asks it to.
ScanResult ScanScenery(const std::vector<SceneryFile>& files, ScanProgress& progress);

}  // namespace gathrel
