// The pick list of what lies near a map click: its entries, and an entry turned back into
// the values of a route point.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "map/nav_database.h"

namespace trevalo::route_detail {

// Both lists end with their marker and hold at most kPickListCapacity entries each.
struct PickLists {
    std::vector<std::string> airports;
    std::vector<std::string> navaids;
    bool ListsSomething() const { return airports.size() > 1 || navaids.size() > 1; }
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

// The record an entry names, found again in its grid cell; nullopt when the entry has
// no entry's shape or names nothing there.
std::optional<PickedRecord> ResolvePickEntry(const NavDatabase& database, const std::string& entry);

// The runway number of an airport record's heading, 1..36.
int RunwayNumber(const AirportRecord& airport);

}  // namespace trevalo::route_detail
