#include "maparithmetic/map_grid.h"

#include <limits>

#include <gtest/gtest.h>

namespace trevalo {
namespace {

constexpr double kDegree = 3600.0;

struct CellCase {
    const char* what;
    double longitude, latitude;  // degrees, east and north positive
    int column, row;             // -1, -1: outside the world
};

const CellCase kCellCases[] = {
    {"origin", 0.0, 0.0, 17, 8},
    {"9.9 W", -9.9, 0.0, 17, 8},
    {"9.99 E", 9.99, 0.0, 17, 8},
    {"exactly 10 E starts the next column", 10.0, 0.0, 18, 8},
    {"exactly 10 W starts the column to the west", -10.0, 0.0, 16, 8},
    {"10 S to 10 N share a row", 0.0, -9.9, 17, 8},
    {"exactly 10 N", 0.0, 10.0, 17, 9},
    {"179.9 W", -179.9, 45.0, 0, 12},
    {"exactly 180 W is clamped into the edge column", -180.0, 45.0, 0, 12},
    {"exactly 180 E", 180.0, 45.0, 35, 12},
    {"exactly 90 N", 0.0, 90.0, 17, 17},
    {"exactly 90 S is clamped into the edge row", 0.0, -90.0, 17, 0},
    {"185 E is outside the world, not in the edge column", 185.0, 0.0, -1, -1},
    {"195 W", -195.0, 0.0, -1, -1},
    {"95 N", 0.0, 95.0, -1, -1},
    {"91 S", 0.0, -91.0, -1, -1},
};

TEST(GridCell, FilesEachPointByTheSharedRule) {
    for (const CellCase& c : kCellCases) {
        SCOPED_TRACE(c.what);
        const int cell = GridCell(c.longitude * kDegree, c.latitude * kDegree);
        if (c.column < 0) {
            EXPECT_EQ(cell, -1);
            continue;
        }
        ASSERT_GE(cell, 0);
        ASSERT_LT(cell, kGridCells);
        EXPECT_EQ(CellColumn(cell), c.column);
        EXPECT_EQ(CellRow(cell), c.row);
        EXPECT_EQ(CellOf(c.column, c.row), cell);
    }
}

TEST(GridCell, NotANumberIsOutsideTheWorld) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(GridCell(nan, 0.0), -1);
    EXPECT_EQ(GridCell(0.0, nan), -1);
}

}  // namespace
}  // namespace trevalo
