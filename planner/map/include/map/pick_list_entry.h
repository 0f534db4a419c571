// One entry of the pick list that a click on the map opens ("Select an Id"): a runway
// direction of an airport, or a navaid, near the click, with the grid cell it lies in.
// Route editing builds the entries, the dialog lists them and hands the chosen one back,
// and route editing finds its record again in that cell.
// The entry's text is "[label]ident\t(Kcc,rr)name", with "\tils" after the name when an
// airport entry names an ILS: K the kind letter, cc the cell's column and rr its row.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "map/route_export.h"

namespace trevalo {

inline constexpr char kPickAirportKind = 'A';
inline constexpr char kPickNavaidKind = 'N';
// Entries in each of the two lists at most: 500 places, one of them kept for the list's
// end, as the dialog's lists have always had.
inline constexpr int kPickListMaxEntries = 499;

struct ROUTE_API PickListEntry {
    std::string label;  // runway designator ("L28", "36") or navaid type ("VOR")
    std::string ident;
    char kind = kPickAirportKind;
    int column = 0;  // grid cell, as two digits each
    int row = 0;
    std::string name;
    std::string ils;  // ident of the airport entry's ILS; empty for none

    bool IsAirport() const { return kind == kPickAirportKind; }
    // The cell's column and row as their two digits.
    std::string ColumnText() const;
    std::string RowText() const;

    bool operator==(const PickListEntry&) const = default;
};

ROUTE_API std::string FormatPickListEntry(const PickListEntry& entry);

// nullopt for a text without an entry's shape: "[", the label, "]", the ident, a tab, "(",
// the kind letter A or N, two digits, ",", two digits, ")", and the name.
ROUTE_API std::optional<PickListEntry> ParsePickListEntry(std::string_view text);

}  // namespace trevalo
