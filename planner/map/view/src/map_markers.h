// Drawing helpers shared by the map's layers: world lines clipped to the frame, and the
// markers (circles, diamonds, squares, the VOR rose).
#pragma once

#include "mapview/map_frame.h"
#include "qtplatform/device_context.h"

namespace trevalo::map_detail {

// Converts both ends and draws the line when some of it lies in the visible rectangle.
void DrawWorldLine(qtplatform::DeviceContext& dc, const MapFrame& frame, double x1, double y1, double x2, double y2);
// A line already in logical units, clipped the same way.
void DrawLogicalLine(qtplatform::DeviceContext& dc, const MapFrame& frame, qtplatform::Point from,
                     qtplatform::Point to);

// World lines drawn straight through a device context, for the shapes below.
struct DcLines {
    qtplatform::DeviceContext& dc;
    const MapFrame& frame;
    void WorldLine(double x1, double y1, double x2, double y2) { DrawWorldLine(dc, frame, x1, y1, x2, y2); }
};

// The shapes take anything with WorldLine(x1, y1, x2, y2): DcLines, or the map's canvas.
// The outline of a diamond reaching half arc-seconds from the point on each axis.
template <class Lines>
void DrawDiamond(Lines& lines, double x, double y, double half) {
    lines.WorldLine(x, y + half, x + half, y);
    lines.WorldLine(x + half, y, x, y - half);
    lines.WorldLine(x, y - half, x - half, y);
    lines.WorldLine(x - half, y, x, y + half);
}
// The outline of an axis-aligned square of side 2 x half arc-seconds round the point.
template <class Lines>
void DrawSquare(Lines& lines, double x, double y, double half) {
    lines.WorldLine(x - half, y + half, x + half, y + half);
    lines.WorldLine(x + half, y + half, x + half, y - half);
    lines.WorldLine(x + half, y - half, x - half, y - half);
    lines.WorldLine(x - half, y - half, x - half, y + half);
}
// The rectangle from west to east and south to north.
template <class Lines>
void DrawWorldRectangle(Lines& lines, double west, double south, double east, double north) {
    lines.WorldLine(west, north, east, north);
    lines.WorldLine(east, north, east, south);
    lines.WorldLine(east, south, west, south);
    lines.WorldLine(west, south, west, north);
}

// A hollow circle of a radius in logical units round a logical point.
void DrawHollowCircle(qtplatform::DeviceContext& dc, qtplatform::Point centre, int radius);
// The route-mark marker: a hollow circle of at most 80 logical units, with an inner one of
// two thirds of the radius above the ident zoom.
void DrawCircle(qtplatform::DeviceContext& dc, const MapFrame& frame, double x, double y, int radius);

// The VOR rose above the ILS zoom: a compass rose of fixed size with ticks and the labels
// "0", "9", "27" round a logical point, in the selected pen and text colour.
void DrawRose(qtplatform::DeviceContext& dc, const MapFrame& frame, qtplatform::Point centre);
// The logical radius of a navaid's marker: the rose's above the ILS zoom, else the
// radius given, at most 120 logical units.
int MarkerRadius(const MapFrame& frame, int radius);

// True when the world point lies in the visible rectangle.
bool InView(const MapFrame& frame, double x, double y);

}  // namespace trevalo::map_detail
