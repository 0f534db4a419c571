#include "maparithmetic/label_grid.h"

#include <algorithm>
#include <cstdint>

namespace trevalo {
namespace {

// Floor division, for boxes that reach past the area's low edges.
int FloorDiv(std::int64_t value, int divisor) {
    const std::int64_t quotient = value / divisor;
    return static_cast<int>(value % divisor < 0 ? quotient - 1 : quotient);
}

}  // namespace

LabelGrid::LabelGrid(const platform::Rect& area, int cell) : cell_(std::max(1, cell)) {
    minX_ = std::min(area.left, area.right);
    minY_ = std::min(area.top, area.bottom);
    const std::int64_t width = std::max(area.left, area.right) - static_cast<std::int64_t>(minX_);
    const std::int64_t height = std::max(area.top, area.bottom) - static_cast<std::int64_t>(minY_);
    columns_ = static_cast<int>(width / cell_ + 1);
    rows_ = static_cast<int>(height / cell_ + 1);
    taken_.assign(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_), 0);
}

LabelGrid::Cells LabelGrid::Under(const platform::Rect& box) const {
    // The box's right and lower edges lie outside it: boxes that only meet share no cell
    // unless that edge falls inside one.
    const std::int64_t left = std::min(box.left, box.right), right = std::max(box.left, box.right);
    const std::int64_t low = std::min(box.top, box.bottom), high = std::max(box.top, box.bottom);
    if (right == left || high == low) return {0, -1, 0, -1};
    return {std::max(0, FloorDiv(left - minX_, cell_)), std::min(columns_ - 1, FloorDiv(right - 1 - minX_, cell_)),
            std::max(0, FloorDiv(low - minY_, cell_)), std::min(rows_ - 1, FloorDiv(high - 1 - minY_, cell_))};
}

void LabelGrid::Take(const Cells& cells) {
    for (int row = cells.firstRow; row <= cells.lastRow; ++row) {
        std::uint8_t* line = taken_.data() + static_cast<std::size_t>(row) * columns_;
        std::fill(line + cells.firstColumn, line + cells.lastColumn + 1, std::uint8_t{1});
    }
}

bool LabelGrid::Claim(const platform::Rect& box) {
    const Cells cells = Under(box);
    if (cells.Empty()) return true;
    for (int row = cells.firstRow; row <= cells.lastRow; ++row) {
        const std::uint8_t* line = taken_.data() + static_cast<std::size_t>(row) * columns_;
        if (std::any_of(line + cells.firstColumn, line + cells.lastColumn + 1, [](std::uint8_t t) { return t != 0; }))
            return false;
    }
    Take(cells);
    return true;
}

void LabelGrid::Reserve(const platform::Rect& box) {
    const Cells cells = Under(box);
    if (!cells.Empty()) Take(cells);
}

}  // namespace trevalo
