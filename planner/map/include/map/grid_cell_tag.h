// The grid cell of an airport or a navaid as the pick list's entries and the "Find on
// Map" results write it after the ident and its tab: "(", the kind letter (A airport,
// N navaid), the column in two digits, ",", the row in two digits, ")", as in "(A05,12)".
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace trevalo {

inline constexpr char kAirportCellKind = 'A';
inline constexpr char kNavaidCellKind = 'N';
inline constexpr std::size_t kGridCellTagLength = 8;

struct GridCellTag {
    char kind = kAirportCellKind;
    int column = 0;  // longitude cell
    int row = 0;     // latitude cell

    bool operator==(const GridCellTag&) const = default;
};

// A column or a row as its two digits.
std::string CellDigits(int value);

std::string FormatGridCellTag(const GridCellTag& tag);

// The tag at the start of text; nullopt when text starts otherwise (another kind letter
// among them).
std::optional<GridCellTag> ParseGridCellTag(std::string_view text);

}  // namespace trevalo
