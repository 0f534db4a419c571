#include "maparithmetic/line_clipping.h"

#include <algorithm>
#include <utility>

#include "platform/mul_div.h"

namespace trevalo {
namespace {

using platform::Point;

// Enough rounds for both ends to reach the box from any side.
constexpr int kMaxClipRounds = 8;

// The point where the line leaves the box on the side the out-code names.
Point MoveOntoBorder(Point from, Point to, int code, const ClipBox& box) {
    const int dx = to.x - from.x;
    const int dy = to.y - from.y;
    if (code & kAbove) return {from.x + platform::MulDiv(dx, box.maxY - from.y, dy), box.maxY};
    if (code & kBelow) return {from.x + platform::MulDiv(dx, box.minY - from.y, dy), box.minY};
    if (code & kRight) return {box.maxX, from.y + platform::MulDiv(dy, box.maxX - from.x, dx)};
    return {box.minX, from.y + platform::MulDiv(dy, box.minX - from.x, dx)};
}

}  // namespace

ClipBox ClipBox::FromRect(const platform::Rect& rect) {
    return {std::min(rect.left, rect.right), std::min(rect.top, rect.bottom), std::max(rect.left, rect.right),
            std::max(rect.top, rect.bottom)};
}

int ComputeOutCode(Point point, const ClipBox& box) {
    int code = kInside;
    if (point.x < box.minX) code |= kLeft;
    if (point.x > box.maxX) code |= kRight;
    if (point.y < box.minY) code |= kBelow;
    if (point.y > box.maxY) code |= kAbove;
    return code;
}

bool ClipLineToRect(Point& from, Point& to, const ClipBox& box) {
    int codeFrom = ComputeOutCode(from, box);
    int codeTo = ComputeOutCode(to, box);
    for (int round = 0; round < kMaxClipRounds; ++round) {
        if ((codeFrom | codeTo) == 0) return true;
        if ((codeFrom & codeTo) != 0) return false;
        // MulDiv divides by the line's extent on the crossed axis, which is not 0 here: an
        // end outside on that side and the other end not outside on it differ there.
        if (codeFrom != 0) {
            from = MoveOntoBorder(from, to, codeFrom, box);
            codeFrom = ComputeOutCode(from, box);
        } else {
            to = MoveOntoBorder(to, from, codeTo, box);
            codeTo = ComputeOutCode(to, box);
        }
    }
    return (codeFrom | codeTo) == 0;
}

}  // namespace trevalo

namespace trevalo {
namespace {

using platform::Point;

enum class Edge { Left, Right, Bottom, Top };

bool Inside(Point p, Edge edge, const ClipBox& box) {
    switch (edge) {
        case Edge::Left:
            return p.x >= box.minX;
        case Edge::Right:
            return p.x <= box.maxX;
        case Edge::Bottom:
            return p.y >= box.minY;
        case Edge::Top:
            return p.y <= box.maxY;
    }
    return true;
}

// Where the segment a-b crosses the edge; a and b lie on opposite sides of it, so the
// extent divided by is not 0.
Point Crossing(Point a, Point b, Edge edge, const ClipBox& box) {
    const long long dx = b.x - a.x, dy = b.y - a.y;
    if (edge == Edge::Left || edge == Edge::Right) {
        const int x = edge == Edge::Left ? box.minX : box.maxX;
        return {x, static_cast<int>(a.y + dy * (x - a.x) / dx)};
    }
    const int y = edge == Edge::Bottom ? box.minY : box.maxY;
    return {static_cast<int>(a.x + dx * (y - a.y) / dy), y};
}

// The polygon as its points, each with the mark of the edge that ends at it.
struct MarkedPolygon {
    std::vector<Point> points;
    std::vector<bool> marksIn;
    void Clear() {
        points.clear();
        marksIn.clear();
    }
    void Add(Point point, bool markIn) {
        points.push_back(point);
        marksIn.push_back(markIn);
    }
};

// A piece of an edge keeps its mark; the stretch along the clipping edge, which ends where
// the polygon comes back in, is unmarked.
void ClipToEdge(const MarkedPolygon& input, Edge edge, const ClipBox& box, MarkedPolygon& output) {
    output.Clear();
    if (input.points.empty()) return;
    Point previous = input.points.back();
    bool previousInside = Inside(previous, edge, box);
    for (std::size_t i = 0; i < input.points.size(); ++i) {
        const Point current = input.points[i];
        const bool currentInside = Inside(current, edge, box), mark = input.marksIn[i];
        if (currentInside != previousInside) output.Add(Crossing(previous, current, edge, box), previousInside && mark);
        if (currentInside) output.Add(current, mark);
        previous = current;
        previousInside = currentInside;
    }
}

}  // namespace

void ClipPolygonToRect(std::span<const Point> polygon, const std::vector<bool>& marks, const ClipBox& box,
                       std::vector<Point>& clipped, std::vector<bool>& clippedMarks) {
    const std::size_t n = polygon.size();
    MarkedPolygon work, next;
    for (std::size_t i = 0; i < n; ++i) work.Add(polygon[i], !marks.empty() && marks[(i + n - 1) % n]);
    for (const Edge edge : {Edge::Left, Edge::Right, Edge::Bottom, Edge::Top}) {
        ClipToEdge(work, edge, box, next);
        std::swap(work, next);
    }
    const std::size_t m = work.points.size();
    clipped = std::move(work.points);
    clippedMarks.assign(m, false);
    for (std::size_t i = 0; i < m; ++i) clippedMarks[i] = work.marksIn[(i + 1) % m];
}

}  // namespace trevalo
