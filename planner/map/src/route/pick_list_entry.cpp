#include "map/pick_list_entry.h"

#include "platform/text.h"

namespace trevalo {

std::string FormatPickListEntry(const PickListEntry& entry) {
    std::string text = "[" + entry.label + "]" + entry.ident + "\t" + FormatGridCellTag(entry.cell) + entry.name;
    if (!entry.ils.empty()) text += "\t" + entry.ils;
    return text;
}

std::optional<PickListEntry> ParsePickListEntry(std::string_view text) {
    if (text.empty() || text[0] != '[') return std::nullopt;
    const size_t close = text.find(']');
    const size_t tab = close == std::string_view::npos ? close : text.find('\t', close);
    if (tab == std::string_view::npos) return std::nullopt;
    const std::optional<GridCellTag> cell = ParseGridCellTag(text.substr(tab + 1));
    if (!cell) return std::nullopt;
    PickListEntry entry;
    entry.label = std::string(text.substr(1, close - 1));
    entry.ident = platform::Trimmed(text.substr(close + 1, tab - close - 1));
    entry.cell = *cell;
    const std::string_view rest = text.substr(tab + 1 + kGridCellTagLength);
    const size_t ilsTab = rest.find('\t');
    entry.name = std::string(rest.substr(0, ilsTab));
    if (ilsTab != std::string_view::npos) entry.ils = std::string(rest.substr(ilsTab + 1));
    return entry;
}

}  // namespace trevalo
