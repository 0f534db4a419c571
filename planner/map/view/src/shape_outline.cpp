#include "shape_outline.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace trevalo {
namespace {

using qtplatform::Point;

// Land data closes the land round a pole at 89.999 degrees or at 90; no coast lies so near.
constexpr double kPoleLatitude = 89.99 * 3600.0;  // arc-seconds
constexpr double kDateLine = 180.0 * 3600.0;

}  // namespace

PointKey KeyOf(Point point) { return {static_cast<std::uint32_t>(point.x), static_cast<std::uint32_t>(point.y)}; }

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

void DrawLandPolygon(map_detail::MapCanvas& canvas, std::span<const Point> polygon, const WorldEdges* edges,
                     bool shapeSeams, LandBuffers& buffers) {
    buffers.device.clear();
    for (const Point& point : polygon) {
        const Point device = canvas.ToDevice(point);
        buffers.device.append(QPoint(device.x, device.y));
    }
    const std::size_t n = polygon.size();
    std::vector<bool> seams(n, false);
    if (shapeSeams) {
        buffers.keys.clear();
        for (const Point& point : polygon) buffers.keys.push_back(KeyOf(point));
        seams = SeamEdges(buffers.keys);
    }
    for (std::size_t i = 0; edges != nullptr && i < n; ++i)
        if (edges->Along(polygon[i], polygon[i + 1 < n ? i + 1 : 0])) seams[i] = true;
    if (std::find(seams.begin(), seams.end(), true) == seams.end()) {
        canvas.Painter().drawPolygon(buffers.device);
        return;
    }
    const qtplatform::Pen outline = canvas.Pen();
    canvas.SelectPen({qtplatform::PenStyle::Null, 0, {}});
    canvas.Painter().drawPolygon(buffers.device);
    canvas.SelectPen(outline);
    // The coast as runs of edges between the seams.
    QPainter& painter = canvas.Painter();
    std::size_t start = 0;  // the first point of the run
    for (std::size_t i = 0; i <= n; ++i) {
        if (i < n && !seams[i]) continue;
        if (i > start) {
            // Edges start..i-1, the last of them back to the first point when i is n.
            if (i < n) {
                painter.drawPolyline(buffers.device.constData() + start, static_cast<int>(i - start + 1));
            } else {
                QPolygon run(buffers.device.mid(static_cast<qsizetype>(start)));
                run.append(buffers.device.front());
                painter.drawPolyline(run);
            }
        }
        start = i + 1;
    }
}

}  // namespace trevalo
