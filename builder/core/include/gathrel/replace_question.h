// The question asked before a scan's lines replace databases that hold records. The
// four files are replaced together, so one question names each database that holds
// records, with its count and the scan's:
//
//   Airport.nav holds 37649 airports; the scan found 4. Replace it?
#pragma once

#include <string>

#include "gathrel/database_files.h"

namespace gathrel {

// Empty when no database holds a record: nothing is lost, nothing is asked.
std::string ReplaceQuestion(const DatabaseCounts& held, const DatabaseCounts& found);

}  // namespace gathrel
