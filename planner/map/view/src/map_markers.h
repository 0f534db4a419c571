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

// The outline of a diamond reaching half arc-seconds from the point on each axis.
void DrawDiamond(qtplatform::DeviceContext& dc, const MapFrame& frame, double x, double y, double half);
// The outline of an axis-aligned square of side 2 x half arc-seconds round the point.
void DrawSquare(qtplatform::DeviceContext& dc, const MapFrame& frame, double x, double y, double half);
// A hollow circle of a radius in logical units round a world point.
void DrawHollowCircle(qtplatform::DeviceContext& dc, const MapFrame& frame, double x, double y, int radius);

// The route-mark marker: a hollow circle of at most 80 logical units, with an inner one of
// two thirds of the radius above the ident zoom.
void DrawCircle(qtplatform::DeviceContext& dc, const MapFrame& frame, double x, double y, int radius);
// The VOR rose: above the ILS zoom a compass rose of fixed size with ticks and the labels
// "0", "9", "27"; otherwise a hollow circle of the radius, at most 120 logical units.
void DrawMarker(qtplatform::DeviceContext& dc, const MapFrame& frame, double x, double y, int radius);

// True when the world point lies in the visible rectangle.
bool InView(const MapFrame& frame, double x, double y);

}  // namespace trevalo::map_detail
