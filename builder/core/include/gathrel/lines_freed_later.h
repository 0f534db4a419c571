// Large lists of lines freed on a thread of their own, so that the one who replaces
// them does not wait for their many small blocks to be given back.
#pragma once

#include <string>
#include <vector>

namespace gathrel {

// Takes the lines and frees them soon on the freeing thread; lines is left empty.
void FreeLinesLater(std::vector<std::string>&& lines);

// Replaces kept with fresh, the old lines freed later.
void ReplaceLines(std::vector<std::string>& kept, std::vector<std::string>&& fresh);

}  // namespace gathrel
