// Feeds arbitrary text to the atlas reader and turns what it reads into tile rings.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "land_outlines.h"
#include "topology.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto polygons = demodata::TopologyPolygons(text, "land")) demodata::TileRings(*polygons);
    return 0;
}
