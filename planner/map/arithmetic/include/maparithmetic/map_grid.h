// The grid of 36 by 18 cells of 10 degrees that the airports and navaids are sorted into,
// and the cell of a map position (arc-seconds, x = longitude east positive, y = latitude
// north positive). Every grid and every lookup uses this one formula, so that stored and
// searched cells agree.
#pragma once

namespace trevalo {

inline constexpr int kGridColumns = 36;
inline constexpr int kGridRows = 18;
inline constexpr int kGridCells = kGridColumns * kGridRows;

// Column 17 - trunc(a / 10) and row 8 - trunc(b / 10) with a and b the degrees of -x and
// -y truncated toward zero, cell = column * 18 + row. -1 for a point outside the world
// (beyond 180 degrees of longitude or 90 of latitude, or not a number), which no grid
// stores. Points at exactly 180 W or 90 S, whose column or row would be -1, are clamped
// into the edge cell.
int GridCell(double x, double y);

// The grid column and row of a cell index.
constexpr int CellColumn(int cell) { return cell / kGridRows; }
constexpr int CellRow(int cell) { return cell % kGridRows; }
constexpr int CellOf(int column, int row) { return column * kGridRows + row; }

}  // namespace trevalo
