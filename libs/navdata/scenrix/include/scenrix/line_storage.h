// Storage of lines no longer wanted, kept for the lines of later scans: the scenery
// reader composes its navaid, airport and ILS lines in it, so that a scan that replaces the
// lines of the one before allocates and frees next to none of its many lines.
#pragma once

#include <string>
#include <vector>

#include "scenrix/export.h"

namespace scenrix {

enum class LineKind { Navaid, Airport, Ils };

// Takes the lines for their storage and gives back those too small to hold a line of
// the kind, with what was left unused of the lines taken before: at most one list of
// each kind is kept. Any thread.
SCENRIX_API std::vector<std::string> KeepLineStorage(LineKind kind, std::vector<std::string>&& lines);

}  // namespace scenrix
