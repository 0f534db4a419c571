// Merging the text listings Navaids.txt and Airports.txt of the base directory into the
// builder's databases. The listings are laid out for hand editing:
//
//   Navaids.txt                      Airports.txt
//   Freedonia - Springfield VOR      Springfield, Freedonia - Springfield Regional
//   Type<TAB>ID<TAB>Freq. ...        ID / Elevation<TAB>KSPF<TAB>1234<TAB>N47*27.2'<TAB>W122*18.1'<TAB>118.25
//   VOR<TAB>SPF<TAB>113.40<TAB>      Runway<TAB>Length<TAB>Surface ...
//     N47*30.00'<TAB>W122*20.00'<TAB>450   27L<TAB>9800<TAB>Asphalt<TAB>110.30<TAB>ISPF
//
// A header line holds " - "; column-title lines are skipped; the rest are value lines,
// TAB-separated. Positions are read as position_text.h reads them and written as angle
// text; every field is cut and padded to its width, so each line made is exactly 170 or
// 335 characters. A value line that cannot be read (a type that is not three letters, a
// position that is none, a runway before any airport) is left out and counted.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "gathrel/builder_database.h"
#include "gathrel/scan_progress.h"

namespace gathrel {

struct MergeCounts {
    std::size_t navaidsAdded = 0;
    std::size_t airportsAdded = 0;
    std::size_t countriesAdded = 0;
    std::size_t linesLeftOut = 0;
};

// Adds the listings' records that are not in the database yet (equal lines), and the
// countries of the navaid headers; progress by bytes of the listings read.
MergeCounts MergeListings(BuilderDatabase& database, std::string_view navaidListing, std::string_view airportListing,
                          ScanProgress& progress);

// The three sorts of the builder, in its order: airports, countries, navaids. The
// status line shows their swaps as "Swap %s - %s", the smaller key first: now and then
// while they run, and the last one when they end.
void SortBuilderDatabase(BuilderDatabase& database, ScanProgress& progress);

}  // namespace gathrel

namespace gathrel {

struct MergeReport {
    bool merged = false;
    std::string message;  // why not merged, or what was left out
    BuilderDatabase database;
    MergeCounts counts;
};

// "Create Db" without scenery: the databases as they are on disk (a missing one is
// empty), the two listings merged into them and the lists sorted. A listing that cannot
// be read stops it with its message.
MergeReport RunListingsMerge(const DatabasePaths& paths, ScanProgress& progress);

}  // namespace gathrel
