// The cells of a pick-list entry's row in the "Select an Id" list.
#pragma once

#include <string>
#include <vector>

#include "map/pick_list_entry.h"

namespace trevalo::mapdialogs_detail {

// "Runway/Type", "ID", "Type", "Name", "ILS" ("---" when the entry names none), "Lat" (the
// cell's row) and "Lon" (its column), upper-cased.
std::vector<std::string> PickEntryCells(const PickListEntry& entry);

}  // namespace trevalo::mapdialogs_detail
