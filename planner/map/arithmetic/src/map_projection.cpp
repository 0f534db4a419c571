#include "maparithmetic/map_projection.h"

#include <algorithm>
#include <cmath>

#include "maparithmetic/map_grid.h"
#include "platform/mul_div.h"

namespace trevalo {
namespace {

constexpr int kCenterColumn = 17;
constexpr int kCenterRow = 8;

// The column or row of a world coordinate, truncating toward zero as the grid does.
int CellIndex(double arcSeconds, int center) {
    return static_cast<int>(std::trunc(arcSeconds)) / kCellArcSeconds + center;
}

}  // namespace

int ClampZoom(long long zoom, bool& clamped) {
    clamped = zoom < kMinZoom || zoom > kMaxZoom;
    return static_cast<int>(std::clamp<long long>(zoom, kMinZoom, kMaxZoom));
}

platform::Size WorldSizeAtZoom(int zoom) {
    return {platform::MulDiv(kWorldWidth, zoom, kPerMille), platform::MulDiv(kWorldHeight, zoom, kPerMille)};
}

MapProjection MapProjection::ForScreen(int zoom) { return {zoom, {0, WorldSizeAtZoom(zoom).cy}}; }

double MapProjection::DeviceToLon(int logicalX) const {
    return platform::MulDiv(logicalX + origin.x, kPerMille, zoom) - kLongitudeOrigin;
}

double MapProjection::DeviceToLat(int logicalY) const {
    return platform::MulDiv(logicalY + origin.y, kPerMille, zoom) - kLatitudeOrigin;
}

int MapProjection::Scale(double arcSeconds) const {
    return static_cast<int>(std::lround(arcSeconds * zoom / kPerMille));
}

VisibleCells GetVisibleCells(const MapProjection& projection, const platform::Rect& rect) {
    VisibleCells cells;
    const double left = projection.DeviceToLon(std::min(rect.left, rect.right));
    const double right = projection.DeviceToLon(std::max(rect.left, rect.right));
    const double bottom = projection.DeviceToLat(std::min(rect.top, rect.bottom));
    const double top = projection.DeviceToLat(std::max(rect.top, rect.bottom));
    cells.firstColumn = std::max(0, CellIndex(left, kCenterColumn));
    cells.lastColumn = std::min(kGridColumns - 1, CellIndex(right, kCenterColumn));
    cells.firstRow = std::max(0, CellIndex(bottom, kCenterRow));
    cells.lastRow = std::min(kGridRows - 1, CellIndex(top, kCenterRow));
    return cells;
}

}  // namespace trevalo
