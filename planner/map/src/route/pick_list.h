// The pick list of what lies near a map click: its entries, and an entry turned back into
// the values of a route point.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "map/nav_database.h"
#include "map/pick_list_entry.h"

namespace trevalo::route_detail {

// Each list holds at most kPickListMaxEntries entries.
struct PickLists {
    std::vector<PickListEntry> airports;
    std::vector<PickListEntry> navaids;
    bool ListsSomething() const { return !airports.empty() || !navaids.empty(); }
};

PickLists BuildPickEntries(const NavDatabase& database, double clickX, double clickY);

struct PickedRecord {
    int type = -1;  // 0 airport, 1 VOR, 2 NDB, 3 DME
    double x = -1.0, y = -1.0;
    double course = 0.0;
    double databaseNumber = 0.0;
    bool directionFlag = true;
    std::string ident;
};

// The record an entry names, found again in its grid cell; nullopt when it names nothing
// there.
std::optional<PickedRecord> ResolvePickEntry(const NavDatabase& database, const PickListEntry& entry);

// The runway number of an airport record's heading, 1..36.
int RunwayNumber(const AirportRecord& airport);

}  // namespace trevalo::route_detail
