// Land shapes drawn as filled polygons. An edge that a shape walks both ways (the bridge
// by which an outline takes a lake or an inland sea in) is no coast: the fill covers it
// and the outline leaves it out. Nor is an edge along the world's edges: the line by which
// a land round a pole closes, or the cut of a land at the date line.
#pragma once

#include <QPolygon>
#include <span>
#include <vector>

#include "map_canvas.h"
#include "maparithmetic/map_projection.h"
#include "maparithmetic/polygon_seams.h"

namespace trevalo {

// A logical point as a key that equal points share exactly.
PointKey KeyOf(qtplatform::Point point);

// The world's edges in logical units at a projection.
struct WorldEdges {
    int south = 0, north = 0;                // an edge with both ends at or past one lies on a pole
    int dateLineWest = 0, dateLineEast = 0;  // the date line on the world's either side
    int tolerance = 0;                       // how near the date line an end lies on it

    // tolerance: logical units of a pixel, by which the ends' rounding may miss the line.
    static WorldEdges At(const MapProjection& projection, int tolerance);
    bool Along(qtplatform::Point from, qtplatform::Point to) const;
};

// What the drawing of one polygon after another reuses.
struct LandBuffers {
    std::vector<PointKey> keys;
    QPolygon device;
};

// Fills the polygon (logical units) with the selected brush and draws its outline with
// the selected pen, seams and edges along the world's edges left out. edges: none for a
// polygon far from them; shapeSeams: whether its shape has seams to look for.
void DrawLandPolygon(map_detail::MapCanvas& canvas, std::span<const qtplatform::Point> polygon, const WorldEdges* edges,
                     bool shapeSeams, LandBuffers& buffers);

}  // namespace trevalo
