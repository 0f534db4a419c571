// Polygons of a TopoJSON topology: the arcs (delta-encoded when the topology is
// quantized) stitched into closed outlines, longitude and latitude in degrees.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace demodata {

struct GeoPoint {
    double longitude = 0, latitude = 0;
};
using Ring = std::vector<GeoPoint>;
// The outer ring first, then the holes.
using Polygon = std::vector<Ring>;

// Every polygon of the named object; nullopt when the text is not a topology holding
// that object.
std::optional<std::vector<Polygon>> TopologyPolygons(std::string_view json, const std::string& object);

}  // namespace demodata
