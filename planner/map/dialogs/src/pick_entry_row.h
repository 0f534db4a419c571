// A pick-list entry, "[label]ident\t(Kcc,rr)name" with an optional "\tILS" after the name,
// split into the cells of the "Select an Id" list.
#pragma once

#include <optional>
#include <string>

namespace trevalo::mapdialogs_detail {

struct PickEntryRow {
    std::string label;  // runway designator or navaid type
    std::string ident;
    std::string kind;  // "A" airport, "N" navaid
    std::string name;
    std::string ils;  // "---" when the entry names none
    std::string latitudeCell, longitudeCell;
};

// Upper-cased cells; nullopt for an entry without a tab at or after its "]" (the end
// markers among them).
std::optional<PickEntryRow> SplitPickEntry(const std::string& entry);

}  // namespace trevalo::mapdialogs_detail
