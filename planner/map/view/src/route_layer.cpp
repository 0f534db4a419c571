// The route over the static map: its legs, its lone navaids, and the flight-plan trip.
#include <algorithm>

#include "map/angle_text.h"
#include "map_markers.h"
#include "mapview/map_layers.h"

namespace trevalo {
namespace {

using namespace map_colors;
using map_detail::DrawWorldLine;
using qtplatform::DeviceContext;

constexpr double kLonePointHalf = 100.0;  // arc-seconds
constexpr int kTripCircleZoom = 59;
constexpr double kTripCirclePerZoom = 0.03;
constexpr int kMinTripCircle = 10;
constexpr int kMaxTripCircle = 20;
constexpr double kArcSecondsPerDegree = 3600.0;

bool JoinsFirstChain(const CRoutePoint& point) { return point.IsAirport() || point.vorRole == kVor1Role; }

}  // namespace

void MapLayers::DrawRoute(DeviceContext& dc, const MapFrame& frame, std::span<const CRoutePoint> points) const {
    if (points.empty()) return;
    const qtplatform::Pen green{qtplatform::PenStyle::Solid, 0, kGreen};
    const qtplatform::Pen darkGreen{qtplatform::PenStyle::Solid, 0, kDarkGreen};
    const CRoutePoint* lastLeg = &points.front();     // the last airport or "VOR1" point
    const CRoutePoint* lastSecond = &points.front();  // the last "VOR2" point
    for (std::size_t i = 1; i < points.size(); ++i) {
        const CRoutePoint& point = points[i];
        if (JoinsFirstChain(point)) {
            dc.SelectPen(green);
            DrawWorldLine(dc, frame, lastLeg->x, lastLeg->y, point.x, point.y);
            lastLeg = &point;
        } else if (point.vorRole == kVor2Role) {
            dc.SelectPen(darkGreen);
            DrawWorldLine(dc, frame, lastSecond->x, lastSecond->y, point.x, point.y);
            lastSecond = &point;
        } else {
            dc.SelectPen(green);
            map_detail::DcLines lines{dc, frame};
            map_detail::DrawDiamond(lines, point.x, point.y, kLonePointHalf);
        }
    }
}

void MapLayers::DrawRouteMarks(DeviceContext& dc, const MapFrame& frame,
                               const std::vector<RouteListEntry>& entries) const {
    if (!frame.switches.planeTrip) return;
    dc.SelectPen({qtplatform::PenStyle::Solid, 0, kRed});
    const int radius = std::clamp(static_cast<int>(frame.zoom * kTripCirclePerZoom), kMinTripCircle, kMaxTripCircle);
    double lastX = 0, lastY = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const double x = -ParseLatLonText(entries[i].longitude) * kArcSecondsPerDegree;
        const double y = ParseLatLonText(entries[i].latitude) * kArcSecondsPerDegree;
        if (i > 0) DrawWorldLine(dc, frame, lastX, lastY, x, y);
        if (frame.zoom >= kTripCircleZoom) map_detail::DrawCircle(dc, frame, x, y, radius);
        lastX = x;
        lastY = y;
    }
}

}  // namespace trevalo
