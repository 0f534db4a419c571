#include "map/grid_cell_tag.h"

#include "platform/text.h"

namespace trevalo {
namespace {

// "(", the kind letter, two digits, ",", two digits, ")".
constexpr std::size_t kKindAt = 1;
constexpr std::size_t kColumnAt = 2;
constexpr std::size_t kCommaAt = 4;
constexpr std::size_t kRowAt = 5;
constexpr std::size_t kCloseAt = 7;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<int> ReadTwoDigits(std::string_view text) {
    if (!IsDigit(text[0]) || !IsDigit(text[1])) return std::nullopt;
    return (text[0] - '0') * 10 + (text[1] - '0');
}

}  // namespace

std::string CellDigits(int value) { return platform::Format("%02d", value); }

std::string FormatGridCellTag(const GridCellTag& tag) {
    return "(" + std::string(1, tag.kind) + CellDigits(tag.column) + "," + CellDigits(tag.row) + ")";
}

std::optional<GridCellTag> ParseGridCellTag(std::string_view text) {
    if (text.size() < kGridCellTagLength || text[0] != '(' || text[kCommaAt] != ',' || text[kCloseAt] != ')')
        return std::nullopt;
    const char kind = text[kKindAt];
    const std::optional<int> column = ReadTwoDigits(text.substr(kColumnAt));
    const std::optional<int> row = ReadTwoDigits(text.substr(kRowAt));
    if ((kind != kAirportCellKind && kind != kNavaidCellKind) || !column || !row) return std::nullopt;
    return GridCellTag{kind, *column, *row};
}

}  // namespace trevalo
