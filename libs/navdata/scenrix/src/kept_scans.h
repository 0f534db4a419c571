// Scans of files done with, emptied but keeping the room of their lists, for the parts of
// the files read next: reading a file then seldom grows a list, and letting it go seldom
// frees one (each large free makes the allocator sweep its small free blocks).
#pragma once

#include "scenery_scan.h"

namespace scenrix::detail {

// A scan kept before, or a new one.
SceneryScan TakeKeptScan();
// Empties scan and keeps it, unless enough are kept already.
void KeepScan(SceneryScan&& scan);

}  // namespace scenrix::detail
