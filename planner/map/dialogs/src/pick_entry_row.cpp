#include "pick_entry_row.h"

#include "platform/text.h"

namespace trevalo::mapdialogs_detail {
namespace {

constexpr const char* kNoIls = "---";

}  // namespace

std::vector<std::string> PickEntryCells(const PickListEntry& entry) {
    std::vector<std::string> cells{entry.label,
                                   entry.ident,
                                   std::string(1, entry.cell.kind),
                                   entry.name,
                                   entry.ils.empty() ? kNoIls : entry.ils,
                                   CellDigits(entry.cell.row),
                                   CellDigits(entry.cell.column)};
    for (std::string& cell : cells) cell = platform::UpperCased(std::move(cell));
    return cells;
}

}  // namespace trevalo::mapdialogs_detail
