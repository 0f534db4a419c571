#include "shape_outline.h"

#include <algorithm>
#include <cstdlib>

namespace trevalo {
namespace {

using qtplatform::Point;

// Land data closes the land round a pole at 89.999 degrees or at 90; no coast lies so near.
constexpr double kPoleLatitude = 89.99 * 3600.0;  // arc-seconds
constexpr double kHalfTurn = 180.0 * 3600.0;      // arc-seconds
constexpr double kFullTurn = 2 * kHalfTurn;

// A shape whose 10-degree box reaches the last cells round a pole or the date line.
bool ReachesWorldEdges(const MapShape& shape) {
    constexpr int kPoleRow = 8, kDateLineColumn = 17;
    return shape.minLatitude <= -kPoleRow || shape.maxLatitude >= kPoleRow || shape.minLongitude <= -kDateLineColumn ||
           shape.maxLongitude >= kDateLineColumn;
}

// The shape's points in logical units, each longitude taken within half a turn of the
// last one so that a shape across the date line stays in one piece, with a point within a
// pixel of the last one left out unless a seam ends there; and for each edge between them
// whether it is one of the shape's seams. Returns the turns (+1 or -1) by which the shape
// reaches past either edge of the world, 0 when it does not.
int UnwrappedShape(const MapShape& shape, const MapProjection& projection, double shift, int pixel,
                   LandBuffers& buffers) {
    std::vector<Point>& points = buffers.points;
    points.clear();
    buffers.seams.clear();
    const std::size_t n = shape.points.size();
    const std::vector<bool>& seams = shape.seams;  // empty, or one for each edge
    std::size_t lastKept = 0;
    double offset = 0;
    double last = 0;
    int beyond = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double longitude = shape.points[i].longitude;
        if (i > 0 && longitude + offset - last > kHalfTurn) offset -= kFullTurn;
        if (i > 0 && longitude + offset - last < -kHalfTurn) offset += kFullTurn;
        last = longitude + offset;
        if (last > kHalfTurn) beyond = 1;
        if (last < -kHalfTurn) beyond = -1;
        const Point point = projection.ToLogical(last + shift, shape.points[i].latitude);
        const bool seamEnd = !seams.empty() && (seams[i] || seams[i > 0 ? i - 1 : n - 1]);
        if (!seamEnd && !points.empty() && std::abs(points.back().x - point.x) < pixel &&
            std::abs(points.back().y - point.y) < pixel)
            continue;
        // The edge from the last point kept is a seam when it is one of the shape's edges.
        if (!points.empty()) buffers.seams.push_back(!seams.empty() && i == lastKept + 1 && seams[lastKept]);
        points.push_back(point);
        lastKept = i;
    }
    if (!points.empty()) buffers.seams.push_back(!seams.empty() && lastKept == n - 1 && seams[n - 1]);
    return beyond;
}

bool Inside(const std::vector<Point>& points, const ClipBox& box) {
    return std::all_of(points.begin(), points.end(), [&](Point p) { return ComputeOutCode(p, box) == kInside; });
}

// Fills the polygon (logical units) and draws its outline, seams and edges along the
// world's edges left out. edges: none for a polygon far from them.
void DrawLandPolygon(map_detail::MapCanvas& canvas, const std::vector<Point>& polygon, std::vector<bool>& seams,
                     const WorldEdges* edges, QPolygon& device) {
    device.clear();
    for (const Point& point : polygon) {
        const Point d = canvas.ToDevice(point);
        device.append(QPoint(d.x, d.y));
    }
    const std::size_t n = polygon.size();
    for (std::size_t i = 0; edges != nullptr && i < n; ++i)
        if (edges->Along(polygon[i], polygon[i + 1 < n ? i + 1 : 0])) seams[i] = true;
    QPainter& painter = canvas.Painter();
    if (std::find(seams.begin(), seams.end(), true) == seams.end()) {
        painter.drawPolygon(device);
        return;
    }
    const qtplatform::Pen outline = canvas.Pen();
    canvas.SelectPen({qtplatform::PenStyle::Null, 0, {}});
    painter.drawPolygon(device);
    canvas.SelectPen(outline);
    // The coast as runs of edges between the seams; the last run ends at the first point.
    std::size_t start = 0;
    for (std::size_t i = 0; i <= n; ++i) {
        if (i < n && !seams[i]) continue;
        if (i > start && i < n) {
            painter.drawPolyline(device.constData() + start, static_cast<int>(i - start + 1));
        } else if (i > start) {
            QPolygon run(device.mid(static_cast<qsizetype>(start)));
            run.append(device.front());
            painter.drawPolyline(run);
        }
        start = i + 1;
    }
}

void FillClipped(map_detail::MapCanvas& canvas, const ClipBox& box, const WorldEdges* edges, LandBuffers& buffers) {
    const std::vector<Point>& points = buffers.points;
    if (points.size() == 2) {
        if (edges == nullptr || !edges->Along(points[0], points[1])) canvas.Line(points[0], points[1], box);
        return;
    }
    // Clipping leaves a polygon inside the box as it is.
    if (Inside(points, box)) {
        if (points.size() > 2) DrawLandPolygon(canvas, points, buffers.seams, edges, buffers.device);
        return;
    }
    ClipPolygonToRect(points, buffers.seams, box, buffers.clipped, buffers.clippedSeams);
    if (buffers.clipped.size() > 2)
        DrawLandPolygon(canvas, buffers.clipped, buffers.clippedSeams, edges, buffers.device);
}

}  // namespace

WorldEdges WorldEdges::At(const MapProjection& projection, int tolerance) {
    return {projection.LatToDevice(-kPoleLatitude), projection.LatToDevice(kPoleLatitude),
            projection.LonToDevice(-kHalfTurn), projection.LonToDevice(kHalfTurn), tolerance};
}

bool WorldEdges::Along(Point from, Point to) const {
    const auto onLine = [this](int a, int b, int line) {
        return std::abs(a - line) <= tolerance && std::abs(b - line) <= tolerance;
    };
    return (from.y <= south && to.y <= south) || (from.y >= north && to.y >= north) ||
           onLine(from.x, to.x, dateLineWest) || onLine(from.x, to.x, dateLineEast);
}

void DrawLandShape(map_detail::MapCanvas& canvas, const MapShape& shape, const ClipBox& box,
                   const WorldEdges& worldEdges, LandBuffers& buffers) {
    const MapFrame& frame = canvas.Frame();
    const WorldEdges* edges = ReachesWorldEdges(shape) ? &worldEdges : nullptr;
    const int beyond = UnwrappedShape(shape, frame.projection, 0, frame.pixelMargin, buffers);
    FillClipped(canvas, box, edges, buffers);
    // The part past the date line shows again on the world's other side.
    if (beyond != 0) {
        UnwrappedShape(shape, frame.projection, -beyond * kFullTurn, frame.pixelMargin, buffers);
        FillClipped(canvas, box, edges, buffers);
    }
}

}  // namespace trevalo
