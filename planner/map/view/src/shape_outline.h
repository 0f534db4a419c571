// Land shapes drawn as filled polygons. An edge that a shape walks both ways (the bridge
// by which an outline takes a lake or an inland sea in) is no coast: the fill covers it
// and the outline leaves it out. Nor is an edge along the world's edges: the line by which
// a land round a pole closes, or the cut of a land at the date line.
#pragma once

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "map/nav_database.h"
#include "maparithmetic/map_projection.h"
#include "qtplatform/device_context.h"

namespace trevalo {

// A point as a key that equal points share exactly.
using PointKey = std::pair<std::uint64_t, std::uint64_t>;
PointKey KeyOf(qtplatform::Point point);
PointKey KeyOf(const MapPoint& point);

// For each edge i (point i to point i + 1, the last back to the first), whether the
// polygon also walks it the other way.
std::vector<bool> SeamEdges(std::span<const PointKey> polygon);
// Points at either end of a seam: the drawing keeps them however close they come to
// their neighbours, so that the seam's two ways stay each other's reverse.
std::vector<bool> SeamPoints(const MapShape& shape);

// The world's edges in logical units at a projection.
struct WorldEdges {
    int south = 0, north = 0;                // an edge with both ends at or past one lies on a pole
    int dateLineWest = 0, dateLineEast = 0;  // the date line on the world's either side
    int tolerance = 0;                       // how near the date line an end lies on it

    // tolerance: logical units of a pixel, by which the ends' rounding may miss the line.
    static WorldEdges At(const MapProjection& projection, int tolerance);
    bool Along(qtplatform::Point from, qtplatform::Point to) const;
};

// Fills the polygon with the selected brush and draws its outline with the selected
// pen, seams and edges along the world's edges left out. edges: none for a polygon far
// from them.
void DrawLandPolygon(qtplatform::DeviceContext& dc, std::span<const qtplatform::Point> polygon,
                     const WorldEdges* edges);

}  // namespace trevalo
