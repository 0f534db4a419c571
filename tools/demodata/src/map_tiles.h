// Map\*.tmp outline tiles: one ring per file, as pairs of little-endian signed 32-bit
// integers, latitude x 2^30 / 45 then longitude x 2^29 / 45.
#pragma once

#include <string>

#include "topology.h"

namespace demodata {

std::string TileBytes(const Ring& ring);
// "Map00001.tmp" for the first tile.
std::string TileName(int number);

}  // namespace demodata
