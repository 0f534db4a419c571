#include "shape_outline.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace trevalo {
namespace {

using qtplatform::Point;

// Land data closes the land round a pole at 89.999 degrees or at 90; no coast lies so near.
constexpr double kPoleLatitude = 89.99 * 3600.0;  // arc-seconds
constexpr double kDateLine = 180.0 * 3600.0;

std::uint64_t BitsOf(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

struct EdgeEntry {
    PointKey low, high;  // the ends' keys, smaller first
    bool forward;        // walked from low to high
    std::size_t index;
};

}  // namespace

PointKey KeyOf(Point point) { return {static_cast<std::uint32_t>(point.x), static_cast<std::uint32_t>(point.y)}; }

PointKey KeyOf(const MapPoint& point) { return {BitsOf(point.longitude), BitsOf(point.latitude)}; }

std::vector<bool> SeamEdges(std::span<const PointKey> polygon) {
    const std::size_t n = polygon.size();
    std::vector<bool> seams(n, false);
    if (n < 2) return seams;
    std::vector<EdgeEntry> edges;
    edges.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        const PointKey& from = polygon[i];
        const PointKey& to = polygon[(i + 1) % n];
        edges.push_back({std::min(from, to), std::max(from, to), from < to, i});
    }
    std::sort(edges.begin(), edges.end(),
              [](const EdgeEntry& a, const EdgeEntry& b) { return a.low != b.low ? a.low < b.low : a.high < b.high; });
    for (std::size_t first = 0; first < n;) {
        std::size_t last = first;
        bool forward = false, backward = false;
        while (last < n && edges[last].low == edges[first].low && edges[last].high == edges[first].high) {
            (edges[last].forward ? forward : backward) = true;
            ++last;
        }
        if (forward && backward && edges[first].low != edges[first].high)
            for (std::size_t k = first; k < last; ++k) seams[edges[k].index] = true;
        first = last;
    }
    return seams;
}

std::vector<bool> SeamPoints(const MapShape& shape) {
    std::vector<PointKey> keys;
    keys.reserve(shape.points.size());
    for (const MapPoint& point : shape.points) keys.push_back(KeyOf(point));
    const std::vector<bool> seams = SeamEdges(keys);
    const std::size_t n = seams.size();
    std::vector<bool> ends(n, false);
    for (std::size_t i = 0; i < n; ++i) ends[i] = seams[i] || seams[(i + n - 1) % n];
    return ends;
}

WorldEdges WorldEdges::At(const MapProjection& projection, int tolerance) {
    return {projection.LatToDevice(-kPoleLatitude), projection.LatToDevice(kPoleLatitude),
            projection.LonToDevice(-kDateLine), projection.LonToDevice(kDateLine), tolerance};
}

bool WorldEdges::Along(Point from, Point to) const {
    const auto onLine = [this](int a, int b, int line) {
        return std::abs(a - line) <= tolerance && std::abs(b - line) <= tolerance;
    };
    return (from.y <= south && to.y <= south) || (from.y >= north && to.y >= north) ||
           onLine(from.x, to.x, dateLineWest) || onLine(from.x, to.x, dateLineEast);
}

void DrawLandPolygon(qtplatform::DeviceContext& dc, std::span<const Point> polygon, const WorldEdges* edges) {
    std::vector<PointKey> keys;
    keys.reserve(polygon.size());
    for (const Point& point : polygon) keys.push_back(KeyOf(point));
    std::vector<bool> seams = SeamEdges(keys);
    const std::size_t count = polygon.size();
    for (std::size_t i = 0; edges != nullptr && i < count; ++i)
        if (edges->Along(polygon[i], polygon[i + 1 < count ? i + 1 : 0])) seams[i] = true;
    if (std::find(seams.begin(), seams.end(), true) == seams.end()) {
        dc.Polygon(polygon);
        return;
    }
    const qtplatform::Pen outline = dc.SelectPen({qtplatform::PenStyle::Null, 0, {}});
    dc.Polygon(polygon);
    dc.SelectPen(outline);
    // The coast as runs of edges between the seams.
    std::vector<Point> run;
    const std::size_t n = polygon.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (seams[i]) {
            if (run.size() > 1) dc.Polyline(run);
            run.clear();
            continue;
        }
        if (run.empty()) run.push_back(polygon[i]);
        run.push_back(polygon[(i + 1) % n]);
    }
    if (run.size() > 1) dc.Polyline(run);
}

}  // namespace trevalo
