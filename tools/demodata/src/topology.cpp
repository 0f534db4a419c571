#include "topology.h"

#include <nlohmann/json.hpp>

namespace demodata {

namespace {

using Json = nlohmann::json;
using Arcs = std::vector<Ring>;

struct Transform {
    double scaleX = 1, scaleY = 1, translateX = 0, translateY = 0;
    bool quantized = false;
};

// Item i of an array as a number; 0 when there is no such number.
double NumberAt(const Json& array, size_t i) {
    return array.is_array() && i < array.size() && array[i].is_number() ? array[i].get<double>() : 0.0;
}

const Json* Member(const Json& object, const char* name) {
    if (!object.is_object()) return nullptr;
    const auto found = object.find(name);
    return found == object.end() ? nullptr : &*found;
}

Transform TransformOf(const Json& topology) {
    const Json* transform = Member(topology, "transform");
    const Json* scale = transform == nullptr ? nullptr : Member(*transform, "scale");
    const Json* translate = transform == nullptr ? nullptr : Member(*transform, "translate");
    if (scale == nullptr || translate == nullptr) return {};
    return {NumberAt(*scale, 0), NumberAt(*scale, 1), NumberAt(*translate, 0), NumberAt(*translate, 1), true};
}

Arcs DecodeArcs(const Json& arcs, const Transform& t) {
    Arcs decoded;
    for (const Json& arc : arcs) {
        Ring points;
        double x = 0, y = 0;
        for (const Json& position : arc) {
            if (t.quantized) {
                x += NumberAt(position, 0);
                y += NumberAt(position, 1);
                points.push_back({x * t.scaleX + t.translateX, y * t.scaleY + t.translateY});
            } else {
                points.push_back({NumberAt(position, 0), NumberAt(position, 1)});
            }
        }
        decoded.push_back(std::move(points));
    }
    return decoded;
}

// An arc index i >= 0 is arc i; ~i is arc i reversed. Each next arc starts where the
// last one ended, so its first point is dropped.
Ring StitchRing(const Json& indexes, const Arcs& arcs) {
    Ring ring;
    if (!indexes.is_array()) return ring;
    for (const Json& index : indexes) {
        if (!index.is_number_integer()) continue;
        const long i = index.get<long>();
        const size_t arc = static_cast<size_t>(i >= 0 ? i : ~i);
        if (arc >= arcs.size()) continue;
        Ring points = arcs[arc];
        if (i < 0) points.assign(arcs[arc].rbegin(), arcs[arc].rend());
        const size_t skip = ring.empty() || points.empty() ? 0 : 1;
        ring.insert(ring.end(), points.begin() + static_cast<long>(skip), points.end());
    }
    return ring;
}

Polygon StitchPolygon(const Json& rings, const Arcs& arcs) {
    Polygon polygon;
    if (rings.is_array())
        for (const Json& ring : rings) polygon.push_back(StitchRing(ring, arcs));
    return polygon;
}

void AddGeometry(const Json& geometry, const Arcs& arcs, std::vector<Polygon>& out) {
    const Json* type = Member(geometry, "type");
    if (type == nullptr || !type->is_string()) return;
    if (*type == "GeometryCollection") {
        if (const Json* members = Member(geometry, "geometries"); members != nullptr && members->is_array()) {
            for (const Json& member : *members) AddGeometry(member, arcs, out);
        }
        return;
    }
    const Json* rings = Member(geometry, "arcs");
    if (rings == nullptr || !rings->is_array()) return;
    if (*type == "Polygon") out.push_back(StitchPolygon(*rings, arcs));
    if (*type == "MultiPolygon") {
        for (const Json& polygon : *rings) out.push_back(StitchPolygon(polygon, arcs));
    }
}

}  // namespace

std::optional<std::vector<Polygon>> TopologyPolygons(std::string_view json, const std::string& object) {
    const Json topology = Json::parse(json, nullptr, false);
    if (topology.is_discarded()) return std::nullopt;
    const Json* arcs = Member(topology, "arcs");
    const Json* objects = Member(topology, "objects");
    const Json* named = objects == nullptr ? nullptr : Member(*objects, object.c_str());
    if (arcs == nullptr || !arcs->is_array() || named == nullptr) return std::nullopt;
    std::vector<Polygon> polygons;
    AddGeometry(*named, DecodeArcs(*arcs, TransformOf(topology)), polygons);
    return polygons;
}

}  // namespace demodata
