#include "mapview/simulator_plane_symbol.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "map_markers.h"

namespace trevalo {
namespace {

constexpr double kArcSecondsPerDegree = 3600.0;
constexpr double kSizeZoom = 512.0;
constexpr double kSmallestSize = 0.13;

constexpr double kNoseLength = 200;
constexpr double kWingLength = 200;
constexpr double kTailLength = 50;
constexpr double kBarHalfAngle = 35;
constexpr double kTickStep = 5;
constexpr double kLongTickEvery = 30;
constexpr double kTickStart = 300;
constexpr double kShortTickEnd = 310;
constexpr double kLongTickEnd = 330;
constexpr double kWhiteNoseLength = 390;

constexpr int kOutlineWidth = 10;
constexpr int kMarkWidth = 3;

struct Offsetter {
    const PlanePosition& plane;
    double size;

    // The point at a distance (in symbol units) along an angle.
    std::pair<double, double> At(double degrees, double length) const {
        const double radians = degrees * std::numbers::pi / 180.0;
        return {plane.x + std::sin(radians) * length * size, plane.y + std::cos(radians) * length * size};
    }
    PlaneStroke Line(bool white, double degrees1, double length1, double degrees2, double length2) const {
        const auto [x1, y1] = At(degrees1, length1);
        const auto [x2, y2] = At(degrees2, length2);
        return {white, x1, y1, x2, y2};
    }
};

bool IsLongTick(double degrees) { return std::fmod(degrees, kLongTickEvery) == 0.0; }

}  // namespace

PlanePosition PlanePositionFromDegrees(double latitude, double longitude, double heading) {
    return {longitude * kArcSecondsPerDegree, latitude * kArcSecondsPerDegree, heading};
}

double PlaneSizeFactor(int zoom) { return std::max(kSizeZoom / std::max(zoom, 1), kSmallestSize); }

std::vector<PlaneStroke> PlaneSymbol(const PlanePosition& plane, int zoom) {
    const Offsetter at{plane, PlaneSizeFactor(zoom)};
    const double h = plane.heading;
    std::vector<PlaneStroke> strokes = {
        at.Line(false, h, 0, h, kNoseLength),
        at.Line(false, h - kBarHalfAngle, kWingLength, h + kBarHalfAngle, kWingLength),
        at.Line(false, h - kBarHalfAngle, kTailLength, h + kBarHalfAngle, kTailLength),
    };
    const int ticks = static_cast<int>(2 * kBarHalfAngle / kTickStep) + 1;
    for (int tick = 0; tick < ticks; ++tick) {
        const double a = h - kBarHalfAngle + tick * kTickStep;
        strokes.push_back(at.Line(true, a, kTickStart, a, IsLongTick(a) ? kLongTickEnd : kShortTickEnd));
    }
    strokes.push_back(at.Line(true, h, kWhiteNoseLength, h, 0));
    return strokes;
}

void DrawSimulatorPlane(qtplatform::DeviceContext& dc, const MapFrame& frame, const PlanePosition& plane) {
    const qtplatform::Pen outline{qtplatform::PenStyle::Solid, kOutlineWidth, qtplatform::Rgb(0, 0, 0)};
    const qtplatform::Pen marks{qtplatform::PenStyle::Solid, kMarkWidth, qtplatform::Rgb(255, 255, 255)};
    const qtplatform::Pen previous = dc.SelectPen(outline);
    bool white = false;
    for (const PlaneStroke& stroke : PlaneSymbol(plane, frame.zoom)) {
        if (stroke.white != white) {
            white = stroke.white;
            dc.SelectPen(white ? marks : outline);
        }
        map_detail::DrawWorldLine(dc, frame, stroke.x1, stroke.y1, stroke.x2, stroke.y2);
    }
    dc.SelectPen(previous);
}

platform::Rect PlaneSymbolExtent(const MapFrame& frame, const PlanePosition& plane) {
    const qtplatform::Point centre = frame.projection.ToLogical(plane.x, plane.y);
    platform::Rect extent{centre.x, centre.y, centre.x, centre.y};
    for (const PlaneStroke& stroke : PlaneSymbol(plane, frame.zoom)) {
        for (const qtplatform::Point end :
             {frame.projection.ToLogical(stroke.x1, stroke.y1), frame.projection.ToLogical(stroke.x2, stroke.y2)}) {
            extent.left = std::min(extent.left, end.x);
            extent.right = std::max(extent.right, end.x);
            extent.bottom = std::min(extent.bottom, end.y);
            extent.top = std::max(extent.top, end.y);
        }
    }
    const int pen = (kOutlineWidth + 1) / 2;
    return {extent.left - pen, extent.top + pen, extent.right + pen, extent.bottom - pen};
}

}  // namespace trevalo
