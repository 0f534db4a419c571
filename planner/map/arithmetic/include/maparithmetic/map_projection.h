// The map's plate-carree projection: the world of 1,296,000 by 684,000 arc-seconds scaled
// by the zoom (per mille) into full-extent logical units of the metric mode (0.1 mm, y
// growing upward: the world's top edge at y 0, its bottom at minus the world height), the
// zoom limits, and the 10-degree grid cells in view.
#pragma once

#include <cmath>

#include "platform/geometry.h"
#include "platform/mul_div.h"

namespace trevalo {

inline constexpr int kWorldWidth = 1296000;
inline constexpr int kWorldHeight = 684000;
inline constexpr int kLongitudeOrigin = 648000;
inline constexpr int kLatitudeOrigin = 342000;
inline constexpr int kPerMille = 1000;  // the zoom's unit

inline constexpr int kMinZoom = 1;
inline constexpr int kMaxZoom = 725501;
inline constexpr int kStartZoom = 1000;  // as the view is built
inline constexpr int kUpdateZoom = 3;    // set by every document update
inline constexpr int kPrintZoom = 1000;
// Idents and runway numbers appear above these zooms; ILS beams and the compass rose
// above kIlsZoom; the static layers are drawn off-screen above kCacheZoom.
inline constexpr int kIdentZoom = 51;
inline constexpr int kIlsZoom = 52;
inline constexpr int kRunwayNumberZoom = 8191;

// A 10-degree cell is 36000 arc-seconds.
inline constexpr int kCellArcSeconds = 36000;

// Clamps a zoom to [kMinZoom, kMaxZoom]; clamped is set when the value was outside.
int ClampZoom(long long zoom, bool& clamped);

// The full size of the world at a zoom, in logical units.
platform::Size WorldSizeAtZoom(int zoom);

// World (arc-seconds, east and north positive) to logical units and back, at a drawing
// zoom and with an origin subtracted from the logical values. On screen the origin is
// (0, world height at the zoom), which puts the world's top at logical y 0.
struct MapProjection {
    int zoom = kStartZoom;
    platform::Point origin;

    static MapProjection ForScreen(int zoom);

    // Inline: a frame converts every point of every land outline in view.
    int LonToDevice(double x) const {
        return platform::MulDiv(static_cast<int>(std::trunc(kLongitudeOrigin + x)), zoom, kPerMille) - origin.x;
    }
    int LatToDevice(double y) const {
        return platform::MulDiv(static_cast<int>(std::trunc(kLatitudeOrigin + y)), zoom, kPerMille) - origin.y;
    }
    platform::Point ToLogical(double x, double y) const { return {LonToDevice(x), LatToDevice(y)}; }
    double DeviceToLon(int logicalX) const;
    double DeviceToLat(int logicalY) const;
    // A length in arc-seconds as logical units.
    int Scale(double arcSeconds) const;
};

// The range of grid columns (0..35) and rows (0..17) that a logical rectangle covers.
struct VisibleCells {
    int firstColumn = 0, lastColumn = -1, firstRow = 0, lastRow = -1;
    bool ContainsColumn(int column) const { return column >= firstColumn && column <= lastColumn; }
    bool ContainsRow(int row) const { return row >= firstRow && row <= lastRow; }
    bool Contains(int column, int row) const { return ContainsColumn(column) && ContainsRow(row); }
};

// rect: logical, top above bottom (y up).
VisibleCells GetVisibleCells(const MapProjection& projection, const platform::Rect& rect);

}  // namespace trevalo
