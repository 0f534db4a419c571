// What the builder's scan leaves behind for a stand-in installation scanned twice in one
// process: the four databases, the two logs and the messages shown, each as its size and
// a 64-bit hash. A change to the scan must leave every one of them as it was.
#pragma once

#include <string>
#include <vector>

#include "fsinstall/installation.h"
#include "fsinstall/scenery_content.h"

namespace scancheck {

struct InstallCase {
    std::string name;  // one word
    fsinstall::InstallationOptions options;
    fsinstall::SceneryContent world;
    bool withBrokenFile = false;  // a scenery file the reader cannot make sense of
};

// Cheap enough for every test run: the sample world on FS2000 and on FS2002, and a
// generated world whose navaids, airports and ILS lines come again within a file and in
// later files, some runways without their ends.
std::vector<InstallCase> SmallCases();

// The benchmark's installations: the generated world of 60,000 airports and, when the
// airport database is there, the real data.
std::vector<InstallCase> BenchCases(const std::string& airportDatabase);

// Writes the case's installation and scans it twice into C:\Quillet\; one line for each
// output of each scan: "<case> <scan> <output> <size> <hash>". Drives C and D must be
// mapped to a folder of the caller's (the logs in C:\ are removed first).
std::vector<std::string> DigestLines(const InstallCase& installCase);

// The lines of a digest file that belong to one of the cases.
std::vector<std::string> LinesOfCases(const std::vector<std::string>& lines, const std::vector<InstallCase>& cases);

}  // namespace scancheck
