#include "topology.h"

#include "json.h"

namespace demodata {

namespace {

using Arcs = std::vector<Ring>;

struct Transform {
    double scaleX = 1, scaleY = 1, translateX = 0, translateY = 0;
    bool quantized = false;
};

double NumberAt(const JsonValue& array, size_t i) {
    return i < array.items.size() ? array.items[i].number : 0.0;
}

Transform TransformOf(const JsonValue& topology) {
    Transform t;
    const JsonValue* transform = topology.Find("transform");
    if (transform == nullptr) return t;
    const JsonValue* scale = transform->Find("scale");
    const JsonValue* translate = transform->Find("translate");
    if (scale == nullptr || translate == nullptr) return t;
    t = {NumberAt(*scale, 0), NumberAt(*scale, 1), NumberAt(*translate, 0), NumberAt(*translate, 1), true};
    return t;
}

Arcs DecodeArcs(const JsonValue& arcs, const Transform& t) {
    Arcs decoded;
    for (const JsonValue& arc : arcs.items) {
        Ring points;
        double x = 0, y = 0;
        for (const JsonValue& position : arc.items) {
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
Ring StitchRing(const JsonValue& indexes, const Arcs& arcs) {
    Ring ring;
    for (const JsonValue& index : indexes.items) {
        const long i = static_cast<long>(index.number);
        const size_t arc = static_cast<size_t>(i >= 0 ? i : ~i);
        if (arc >= arcs.size()) continue;
        Ring points = arcs[arc];
        if (i < 0) points.assign(arcs[arc].rbegin(), arcs[arc].rend());
        const size_t skip = ring.empty() || points.empty() ? 0 : 1;
        ring.insert(ring.end(), points.begin() + static_cast<long>(skip), points.end());
    }
    return ring;
}

void AddPolygon(const JsonValue& rings, const Arcs& arcs, std::vector<Ring>& out) {
    for (const JsonValue& ring : rings.items) out.push_back(StitchRing(ring, arcs));
}

void AddGeometry(const JsonValue& geometry, const Arcs& arcs, std::vector<Ring>& out) {
    const JsonValue* type = geometry.Find("type");
    if (type == nullptr) return;
    if (type->text == "GeometryCollection") {
        if (const JsonValue* members = geometry.Find("geometries")) {
            for (const JsonValue& member : members->items) AddGeometry(member, arcs, out);
        }
        return;
    }
    const JsonValue* rings = geometry.Find("arcs");
    if (rings == nullptr) return;
    if (type->text == "Polygon") AddPolygon(*rings, arcs, out);
    if (type->text == "MultiPolygon") {
        for (const JsonValue& polygon : rings->items) AddPolygon(polygon, arcs, out);
    }
}

}  // namespace

std::optional<std::vector<Ring>> TopologyRings(std::string_view json, const std::string& object) {
    const auto topology = ParseJson(json);
    if (!topology) return std::nullopt;
    const JsonValue* arcs = topology->Find("arcs");
    const JsonValue* objects = topology->Find("objects");
    const JsonValue* named = objects == nullptr ? nullptr : objects->Find(object);
    if (arcs == nullptr || named == nullptr) return std::nullopt;
    std::vector<Ring> rings;
    AddGeometry(*named, DecodeArcs(*arcs, TransformOf(*topology)), rings);
    return rings;
}

}  // namespace demodata
