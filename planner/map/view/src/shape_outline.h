// Land shapes drawn as filled polygons. An edge that a shape walks both ways (the bridge
// by which an outline takes a lake or an inland sea in) is no coast: the fill covers it
// and the outline leaves it out. Nor is an edge along the world's edges: the line by which
// a land round a pole closes, or the cut of a land at the date line. The bridges are found
// once in the shape's data and carried through the projection and the clipping, so that a
// frame compares no points.
#pragma once

#include <QPolygon>
#include <vector>

#include "map/nav_database.h"
#include "map_canvas.h"
#include "maparithmetic/map_projection.h"

namespace trevalo {

// The world's edges in logical units at a projection.
struct WorldEdges {
    int south = 0, north = 0;                // an edge with both ends at or past one lies on a pole
    int dateLineWest = 0, dateLineEast = 0;  // the date line on the world's either side
    int tolerance = 0;                       // how near the date line an end lies on it

    // tolerance: logical units of a pixel, by which the ends' rounding may miss the line.
    static WorldEdges At(const MapProjection& projection, int tolerance);
    bool Along(qtplatform::Point from, qtplatform::Point to) const;
};

// What the drawing of one shape after another reuses.
struct LandBuffers {
    std::vector<qtplatform::Point> points, clipped;
    std::vector<bool> seams, clippedSeams;  // for each edge of points, of clipped
    QPolygon device;
};

// Fills the shape with the selected brush and outlines its coast with the selected pen:
// its points at the frame's projection, those within a pixel of the last left out, the
// whole again on the world's other side where it reaches past the date line, each
// clipped to the box (logical units).
void DrawLandShape(map_detail::MapCanvas& canvas, const MapShape& shape, const ClipBox& box,
                   const WorldEdges& worldEdges, LandBuffers& buffers);

}  // namespace trevalo
