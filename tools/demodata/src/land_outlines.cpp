#include "land_outlines.h"

#include <cmath>
#include <cstdlib>
#include <optional>

namespace demodata {

namespace {

constexpr double kPoleLatitude = 90.0;
constexpr double kEdgeLongitude = 180.0;
constexpr double kHalfTurn = 180.0;
constexpr double kAtPole = 1e-6;
constexpr double kGraticuleStep = 10.0;

// The pole a hole lies on (+1 north, -1 south), or 0.
int PoleOf(const Ring& hole) {
    if (hole.empty()) return 0;
    const double latitude = hole.front().latitude;
    for (const GeoPoint& point : hole)
        if (std::abs(point.latitude - latitude) > kAtPole) return 0;
    return std::abs(std::abs(latitude) - kPoleLatitude) < kAtPole ? (latitude > 0 ? 1 : -1) : 0;
}

// Where the ring wraps from one edge of the map to the other, it goes round the pole.
Ring DownToPole(const Ring& outer, int pole) {
    Ring ring;
    const double poleLatitude = pole * kPoleLatitude;
    for (size_t i = 0; i < outer.size(); ++i) {
        ring.push_back(outer[i]);
        if (i + 1 == outer.size()) break;
        const GeoPoint& from = outer[i];
        const GeoPoint& to = outer[i + 1];
        if (std::abs(to.longitude - from.longitude) <= kHalfTurn) continue;
        const double fromEdge = from.longitude < 0 ? -kEdgeLongitude : kEdgeLongitude;
        ring.insert(
            ring.end(),
            {{fromEdge, from.latitude}, {fromEdge, poleLatitude}, {-fromEdge, poleLatitude}, {-fromEdge, to.latitude}});
    }
    return ring;
}

struct Crossing {
    size_t edge;  // between point edge and edge + 1
    double latitude;
};

// The crossings of the meridian by the ring's edges (an edge across the map's edge or
// lying on the meridian crosses nothing).
std::vector<Crossing> Crossings(const Ring& ring, double meridian) {
    std::vector<Crossing> found;
    for (size_t i = 0; i + 1 < ring.size(); ++i) {
        const GeoPoint& a = ring[i];
        const GeoPoint& b = ring[i + 1];
        if ((a.longitude < meridian) == (b.longitude < meridian)) continue;
        if (std::abs(b.longitude - a.longitude) > kHalfTurn) continue;
        const double t = (meridian - a.longitude) / (b.longitude - a.longitude);
        found.push_back({i, a.latitude + t * (b.latitude - a.latitude)});
    }
    return found;
}

// The 10-degree meridian through the hole nearest its middle; its middle when none is.
double BridgeMeridian(const Ring& hole) {
    double west = hole.front().longitude, east = west;
    for (const GeoPoint& point : hole) {
        west = std::min(west, point.longitude);
        east = std::max(east, point.longitude);
    }
    const double middle = (west + east) / 2;
    const double nearest = std::round(middle / kGraticuleStep) * kGraticuleStep;
    return nearest > west && nearest < east ? nearest : middle;
}

// The hole's northernmost crossing and the outer ring's nearest crossing north of it.
std::optional<std::pair<Crossing, Crossing>> BridgeEnds(const Ring& outer, const Ring& hole, double meridian) {
    std::optional<Crossing> top;
    for (const Crossing& c : Crossings(hole, meridian))
        if (!top || c.latitude > top->latitude) top = c;
    if (!top) return std::nullopt;
    std::optional<Crossing> above;
    for (const Crossing& c : Crossings(outer, meridian))
        if (c.latitude > top->latitude && (!above || c.latitude < above->latitude)) above = c;
    if (!above) return std::nullopt;
    return std::pair{*above, *top};
}

// The outer ring with the hole joined in: along the bridge, round the hole, and back.
Ring WithHole(const Ring& outer, const Ring& hole) {
    if (outer.size() < 2 || hole.size() < 2) return outer;
    const double meridian = BridgeMeridian(hole);
    const auto ends = BridgeEnds(outer, hole, meridian);
    if (!ends) return outer;
    const auto [atOuter, atHole] = *ends;
    const GeoPoint outerPoint{meridian, atOuter.latitude};
    const GeoPoint holePoint{meridian, atHole.latitude};
    Ring ring(outer.begin(), outer.begin() + static_cast<long>(atOuter.edge) + 1);
    ring.push_back(outerPoint);
    ring.push_back(holePoint);
    // Round the closed hole from the point after the crossing back to the one before it.
    const size_t points = hole.size() - 1;
    for (size_t step = 1; step <= points; ++step) ring.push_back(hole[(atHole.edge + step) % points]);
    ring.push_back(holePoint);
    ring.push_back(outerPoint);
    ring.insert(ring.end(), outer.begin() + static_cast<long>(atOuter.edge) + 1, outer.end());
    return ring;
}

}  // namespace

std::vector<Ring> TileRings(const std::vector<Polygon>& polygons) {
    std::vector<Ring> rings;
    for (const Polygon& polygon : polygons) {
        if (polygon.empty()) continue;
        Ring outer = polygon.front();
        for (size_t i = 1; i < polygon.size(); ++i) {
            const int pole = PoleOf(polygon[i]);
            outer = pole != 0 ? DownToPole(outer, pole) : WithHole(outer, polygon[i]);
        }
        rings.push_back(std::move(outer));
    }
    return rings;
}

}  // namespace demodata
