// One entry of the pick list that a click on the map opens ("Select an Id"): a runway
// direction of an airport, or a navaid, near the click, with the grid cell it lies in.
// Route editing builds the entries, the dialog lists them and hands the chosen one back,
// and route editing finds its record again in that cell.
// The entry's text is "[label]ident\t(Kcc,rr)name", with "\tils" after the name when an
// airport entry names an ILS; "(Kcc,rr)" is the cell's tag (map/grid_cell_tag.h).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "map/grid_cell_tag.h"

namespace trevalo {

// Entries in each of the two lists at most: 500 places, one of them kept for the list's
// end, as the dialog's lists have always had.
inline constexpr int kPickListMaxEntries = 499;

struct PickListEntry {
    std::string label;  // runway designator ("L28", "36") or navaid type ("VOR")
    std::string ident;
    GridCellTag cell;  // its kind tells an airport from a navaid
    std::string name;
    std::string ils;  // ident of the airport entry's ILS; empty for none

    bool IsAirport() const { return cell.kind == kAirportCellKind; }

    bool operator==(const PickListEntry&) const = default;
};

std::string FormatPickListEntry(const PickListEntry& entry);

// nullopt for a text without an entry's shape: "[", the label, "]", the ident, a tab, the
// cell's tag, and the name.
std::optional<PickListEntry> ParsePickListEntry(std::string_view text);

}  // namespace trevalo
