#include "map/pick_list_entry.h"

#include "route_text.h"

namespace trevalo {
namespace {

using route_detail::Format;
using route_detail::Trimmed;

// After the tab: "(", the kind letter, two digits, ",", two digits, ")".
constexpr size_t kKindAt = 1;
constexpr size_t kColumnAt = 2;
constexpr size_t kCommaAt = 4;
constexpr size_t kRowAt = 5;
constexpr size_t kCloseAt = 7;
constexpr size_t kCellLength = 8;

std::string TwoDigits(int value) { return Format("%02d", value); }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<int> ReadTwoDigits(std::string_view text) {
    if (!IsDigit(text[0]) || !IsDigit(text[1])) return std::nullopt;
    return (text[0] - '0') * 10 + (text[1] - '0');
}

}  // namespace

std::string PickListEntry::ColumnText() const { return TwoDigits(column); }

std::string PickListEntry::RowText() const { return TwoDigits(row); }

std::string FormatPickListEntry(const PickListEntry& entry) {
    std::string text = "[" + entry.label + "]" + entry.ident + "\t(" + entry.kind + entry.ColumnText() + "," +
                       entry.RowText() + ")" + entry.name;
    if (!entry.ils.empty()) text += "\t" + entry.ils;
    return text;
}

std::optional<PickListEntry> ParsePickListEntry(std::string_view text) {
    if (text.empty() || text[0] != '[') return std::nullopt;
    const size_t close = text.find(']');
    const size_t tab = close == std::string_view::npos ? close : text.find('\t', close);
    if (tab == std::string_view::npos || text.size() < tab + 1 + kCellLength) return std::nullopt;
    const std::string_view cell = text.substr(tab + 1, kCellLength);
    const char kind = cell[kKindAt];
    const std::optional<int> column = ReadTwoDigits(cell.substr(kColumnAt));
    const std::optional<int> row = ReadTwoDigits(cell.substr(kRowAt));
    if (cell[0] != '(' || (kind != kPickAirportKind && kind != kPickNavaidKind) || !column ||
        cell[kCommaAt] != ',' || !row || cell[kCloseAt] != ')') {
        return std::nullopt;
    }
    PickListEntry entry;
    entry.label = std::string(text.substr(1, close - 1));
    entry.ident = Trimmed(text.substr(close + 1, tab - close - 1));
    entry.kind = kind;
    entry.column = *column;
    entry.row = *row;
    const std::string_view rest = text.substr(tab + 1 + kCellLength);
    const size_t ilsTab = rest.find('\t');
    entry.name = std::string(rest.substr(0, ilsTab));
    if (ilsTab != std::string_view::npos) entry.ils = std::string(rest.substr(ilsTab + 1));
    return entry;
}

}  // namespace trevalo
