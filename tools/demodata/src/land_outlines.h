// The land polygons as the rings that the map tiles hold. The map fills each tile on its
// own (odd-even), so a polygon's hole (an inland sea) is joined to its outer ring by a
// bridge along a 10-degree meridian, where the graticule is drawn over it: the one ring
// then shows the hole as water. A hole round a pole (the cap that closes Antarctica's
// polygon on the sphere) goes, and the outer ring runs down to that pole along the
// map's edges instead.
#pragma once

#include <vector>

#include "topology.h"

namespace demodata {

std::vector<Ring> TileRings(const std::vector<Polygon>& polygons);

}  // namespace demodata
