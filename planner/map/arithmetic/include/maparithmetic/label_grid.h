// Where the map's labels already lie, as a grid of small square cells over the area drawn:
// a label is written only where none of the cells its box touches is taken, so that idents
// never print over each other. Each test touches the few cells under one box, whatever the
// number of labels already placed.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/geometry.h"

namespace trevalo {

class LabelGrid {
public:
    // area: logical, with y either way up; cell: the side of a cell in logical units.
    LabelGrid(const platform::Rect& area, int cell);

    // Takes the cells under the box when none of them is taken yet; false, taking nothing,
    // when one is. A box wholly outside the area takes nothing and is free.
    bool Claim(const platform::Rect& box);
    // Takes the cells under the box, taken or not: a place no label may cover.
    void Reserve(const platform::Rect& box);

private:
    struct Cells {
        int firstColumn, lastColumn, firstRow, lastRow;
        bool Empty() const { return firstColumn > lastColumn || firstRow > lastRow; }
    };
    Cells Under(const platform::Rect& box) const;
    void Take(const Cells& cells);

    int minX_ = 0, minY_ = 0;
    int cell_ = 1;
    int columns_ = 0, rows_ = 0;
    std::vector<std::uint8_t> taken_;
};

}  // namespace trevalo
