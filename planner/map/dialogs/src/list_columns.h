// Columns and rows of the dialogs' report lists: widths in pixels or in parts of the
// list's width, centred columns, rows that carry their key hidden.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "qtplatform/report_list.h"

namespace trevalo::mapdialogs_detail {

struct ListColumn {
    std::string title;
    int width = 0;  // pixels
    bool centred = false;
};

// A column whose width is a number of parts of the list.
struct PartColumn {
    const char* title;
    int parts;
    bool centred = false;
};

// One part is (list width - 4) / partsInWidth pixels.
std::vector<ListColumn> ColumnsInParts(std::span<const PartColumn> columns, int partsInWidth, int listWidth);

// Removes every row and column, then creates the columns.
void SetUpColumns(qtplatform::ReportList& list, std::span<const ListColumn> columns);

// Appends a row of cells (aligned as their columns) with its hidden key; returns its index.
int AppendRow(qtplatform::ReportList& list, const std::vector<std::string>& cells, std::int64_t key);

}  // namespace trevalo::mapdialogs_detail
