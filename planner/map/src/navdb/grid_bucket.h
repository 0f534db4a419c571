// Sorting records into a grid: count per cell, size each cell once, copy in file order.
// Records outside the world go into no cell.
#pragma once

#include <array>
#include <vector>

#include "map/nav_database.h"

namespace trevalo {

template <class Record>
void BucketRecords(const std::vector<Record>& records, size_t first, Grid<Record>& grid) {
    std::array<size_t, kGridCells> counts{};
    std::vector<int> cells(records.size(), -1);
    for (size_t i = first; i < records.size(); ++i) {
        cells[i] = GridCell(records[i].x, records[i].y);
        if (cells[i] >= 0) ++counts[static_cast<size_t>(cells[i])];
    }
    for (size_t cell = 0; cell < grid.size(); ++cell) {
        grid[cell].clear();
        grid[cell].reserve(counts[cell]);
    }
    for (size_t i = first; i < records.size(); ++i) {
        if (cells[i] >= 0) grid[static_cast<size_t>(cells[i])].push_back(records[i]);
    }
}

}  // namespace trevalo
