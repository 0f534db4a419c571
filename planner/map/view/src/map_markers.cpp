#include "map_markers.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace trevalo::map_detail {
namespace {

using qtplatform::DeviceContext;
using qtplatform::Point;

constexpr int kMaxCircleRadius = 80;
constexpr int kMaxMarkerRadius = 120;
constexpr int kRoseRadius = 250;
constexpr double kShortTick = 0.96;
constexpr double kLongTick = 0.86;
constexpr int kShortTickEvery = 5;
constexpr int kLongTickEvery = 30;
constexpr int kHalfCircleDegrees = 180;

Point Offset(Point centre, double degrees, double length) {
    const double radians = degrees * std::numbers::pi / 180.0;
    return {centre.x + static_cast<int>(std::lround(std::sin(radians) * length)),
            centre.y + static_cast<int>(std::lround(std::cos(radians) * length))};
}

}  // namespace

void DrawRose(DeviceContext& dc, const MapFrame& frame, Point centre) {
    dc.Ellipse({centre.x - kRoseRadius, centre.y + kRoseRadius, centre.x + kRoseRadius, centre.y - kRoseRadius});
    for (int degree = 0; degree < kHalfCircleDegrees; degree += kShortTickEvery) {
        const double inner = degree % kLongTickEvery == 0 ? kLongTick : kShortTick;
        for (const int side : {degree, degree + kHalfCircleDegrees}) {
            DrawLogicalLine(dc, frame, Offset(centre, side, kRoseRadius), Offset(centre, side, kRoseRadius * inner));
        }
    }
    const qtplatform::TextAlign previous =
        dc.SetTextAlign({qtplatform::HorizontalAlign::Center, qtplatform::VerticalAlign::Top});
    dc.TextOut({centre.x, centre.y + kRoseRadius}, "0");
    dc.SetTextAlign({qtplatform::HorizontalAlign::Left, qtplatform::VerticalAlign::Baseline});
    dc.TextOut({centre.x + kRoseRadius, centre.y}, "9");
    dc.SetTextAlign({qtplatform::HorizontalAlign::Right, qtplatform::VerticalAlign::Baseline});
    dc.TextOut({centre.x - kRoseRadius, centre.y}, "27");
    dc.SetTextAlign(previous);
}

int MarkerRadius(const MapFrame& frame, int radius) {
    return frame.zoom > kIlsZoom ? kRoseRadius : std::min(radius, kMaxMarkerRadius);
}

void DrawLogicalLine(DeviceContext& dc, const MapFrame& frame, Point from, Point to) {
    if (!ClipLineToRect(from, to, frame.VisibleBox())) return;
    dc.MoveTo(from);
    dc.LineTo(to);
}

void DrawWorldLine(DeviceContext& dc, const MapFrame& frame, double x1, double y1, double x2, double y2) {
    DrawLogicalLine(dc, frame, frame.projection.ToLogical(x1, y1), frame.projection.ToLogical(x2, y2));
}

void DrawHollowCircle(DeviceContext& dc, Point centre, int radius) {
    const qtplatform::Brush previous = dc.SelectBrush({qtplatform::BrushStyle::Hollow});
    dc.Ellipse({centre.x - radius, centre.y + radius, centre.x + radius, centre.y - radius});
    dc.SelectBrush(previous);
}

void DrawCircle(DeviceContext& dc, const MapFrame& frame, double x, double y, int radius) {
    if (!InView(frame, x, y)) return;
    radius = std::min(radius, kMaxCircleRadius);
    const Point centre = frame.projection.ToLogical(x, y);
    DrawHollowCircle(dc, centre, radius);
    if (frame.zoom > kIdentZoom) DrawHollowCircle(dc, centre, radius * 2 / 3);
}

bool InView(const MapFrame& frame, double x, double y) {
    return ComputeOutCode(frame.projection.ToLogical(x, y), frame.VisibleBox()) == kInside;
}

}  // namespace trevalo::map_detail
