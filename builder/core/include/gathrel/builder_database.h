// The builder's one in-memory copy of its databases: the countries, the navaid lines and
// the airport lines that the three pages share. Loaded from the base directory when the
// builder starts, replaced by a scan or a merge, edited by the navaid page, and saved
// when the builder closes if anything was left unwritten or came from a scan.
#pragma once

#include <string>
#include <vector>

#include "gathrel/bgl_scan.h"
#include "gathrel/database_files.h"
#include "navdata/country_file.h"

namespace gathrel {

struct BuilderDatabase {
    std::vector<navdata::CountryEntry> countries;
    std::vector<std::string> navaidLines;   // each ending in a line feed
    std::vector<std::string> airportLines;  // each ending in a line feed
    // To be written on closing: changed since last written, or taken from a scan, whose
    // files have count lines padded to the record width.
    bool unsaved = false;

    // The country's entry, or nullptr; names compared after trimming.
    const navdata::CountryEntry* FindCountry(const std::string& name) const;
    // Adds a loaded country unless it is there; true when added.
    bool AddCountry(const std::string& name);
};

// Reads whichever of Country.nav, Navaids.nav and Airport.nav exist; a missing file
// leaves its list empty. Nothing is created.
BuilderDatabase LoadBuilderDatabase(const DatabasePaths& paths);

// Takes a written scan's lines: the scan rebuilt the countries from its own airports.
void TakeScanResult(BuilderDatabase& database, ScanResult&& scan);
// Drops the lines of a scan that was not written; their storage serves the next scan.
void DropScanResult(ScanResult&& scan);

// Creates the empty listings Navaids.txt and Airports.txt where they are missing, and
// writes what is unsaved: Navaids.nav, Airport.nav and Country.nav from the lists (each
// count line a bare number) as one change, a list that is empty leaving its file alone.
// False, with the path at fault, when a file could not be written; nothing is written
// and the lists stay unsaved then.
bool SaveBuilderDatabase(BuilderDatabase& database, const DatabasePaths& paths, std::string& failedPath);

// Writes Navaids.nav alone from the navaid lines (a bare count line), as the navaid page
// does after each change. False, with the path, when it could not be replaced.
bool SaveNavaidLines(const BuilderDatabase& database, const DatabasePaths& paths, std::string& failedPath);

// The text shown when saving failed.
std::string SaveFailedMessage(const std::string& failedPath);

}  // namespace gathrel
