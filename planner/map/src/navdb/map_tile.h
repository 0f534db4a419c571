// The Map\*.tmp outline tiles: pairs of little-endian signed 32-bit integers (a, b),
// latitude = a x 45 / 2^30 and longitude = b x 45 / 2^29 degrees; a trailing single
// integer is ignored. One file is one shape.
#pragma once

#include <string_view>

#include "map/nav_database.h"

namespace trevalo {

MapShape DecodeMapTile(std::string_view bytes);

}  // namespace trevalo
