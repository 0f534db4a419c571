// Land shapes drawn as filled polygons. An edge that a shape walks both ways (the bridge
// by which an outline takes a lake or an inland sea in) is no coast: the fill covers it
// and the outline leaves it out.
#pragma once

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "map/nav_database.h"
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

// Fills the polygon with the selected brush and draws its outline with the selected
// pen, seams left out.
void DrawLandPolygon(qtplatform::DeviceContext& dc, std::span<const qtplatform::Point> polygon);

}  // namespace trevalo
