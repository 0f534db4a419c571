// Large lists of lines freed on a thread of their own, so that the one who replaces
// them does not wait for their many small blocks to be given back.
#pragma once

#include <string>
#include <vector>

#include "scenrix/line_storage.h"

namespace gathrel {

// Takes the lines and frees them soon on the freeing thread; lines is left empty.
void FreeLinesLater(std::vector<std::string>&& lines);

// Replaces kept with fresh; the old lines' storage is kept for the scenery reader's
// next scan.
void ReplaceLines(std::vector<std::string>& kept, std::vector<std::string>&& fresh, scenrix::LineKind kind);

}  // namespace gathrel
