// Clipping of logical lines (Cohen-Sutherland) and polygons (Sutherland-Hodgman) to a
// rectangle, so that nothing reaches the device outside the part of the world in view.
#pragma once

#include <span>
#include <vector>

#include "platform/geometry.h"

namespace trevalo {

// Out-code bits of a point against a rectangle.
enum OutCode : int { kInside = 0, kLeft = 1, kRight = 2, kBelow = 4, kAbove = 8 };

// The rectangle in either y direction; edges belong to it.
struct ClipBox {
    int minX = 0, minY = 0, maxX = 0, maxY = 0;
    static ClipBox FromRect(const platform::Rect& rect);
};

int ComputeOutCode(platform::Point point, const ClipBox& box);

// Moves the ends of the line onto the box; false when nothing of it lies inside.
bool ClipLineToRect(platform::Point& from, platform::Point& to, const ClipBox& box);

// Sutherland-Hodgman clipping of a closed polygon to the box: the parts outside are
// folded onto its edges, so that the fill inside stays right. Each edge (point i to the
// next, the last to the first) carries a mark: what is left of a marked edge stays
// marked, the stretches along the box's edges are unmarked. Writes the clipped polygon's
// points and marks.
void ClipPolygonToRect(std::span<const platform::Point> polygon, const std::vector<bool>& marks, const ClipBox& box,
                       std::vector<platform::Point>& clipped, std::vector<bool>& clippedMarks);

}  // namespace trevalo
