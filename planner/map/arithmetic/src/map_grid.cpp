#include "maparithmetic/map_grid.h"

#include <cmath>

namespace trevalo {

namespace {

constexpr double kArcSecondsPerDegree = 3600.0;
constexpr double kMaxLongitude = 180.0 * kArcSecondsPerDegree;
constexpr double kMaxLatitude = 90.0 * kArcSecondsPerDegree;
constexpr int kCellDegrees = 10;
constexpr int kMiddleColumn = 17;  // 10 W to 10 E
constexpr int kMiddleRow = 8;      // 10 S to 10 N

// Whole degrees of the negated value, truncated toward zero, then whole cells of them.
int NegatedCells(double arcSeconds) {
    const int degrees = static_cast<int>(std::trunc(-arcSeconds / kArcSecondsPerDegree));
    return degrees / kCellDegrees;
}

}  // namespace

int GridCell(double x, double y) {
    // Also false for NaN.
    if (!(std::fabs(x) <= kMaxLongitude && std::fabs(y) <= kMaxLatitude)) return -1;
    int column = kMiddleColumn - NegatedCells(x);
    int row = kMiddleRow - NegatedCells(y);
    // Exactly 180 W and exactly 90 S would fall one cell outside the grid.
    if (column < 0) column = 0;
    if (row < 0) row = 0;
    return column * kGridRows + row;
}

}  // namespace trevalo
