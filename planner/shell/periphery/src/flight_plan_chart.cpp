// Page 1: the "From" and "To" bands and a sketch of the whole route, north up and east to
// the right; VORs with their compass rose, 0 at the top.
#include <cmath>

#include "chart_drawing.h"
#include "chart_pages.h"
#include "map/unit_conversions.h"
#include "periphery/chart_facts.h"
#include "platform/text.h"

namespace trevalo {
namespace {

using qtplatform::Rgb;

constexpr int kFrameWidth = 7;
constexpr int kHeaderFont = 70;
constexpr int kLabelFont = 40;
constexpr int kSketchTop = -500;
constexpr int kSketchMargin = 300;
constexpr int kSketchBottomRise = 300;
constexpr int kRoseRadiusX = 200;
constexpr int kRoseRadiusY = 100;
constexpr int kMarkRadius = 100;
constexpr int kCharWidth = 27;

void DrawFrame(ChartDrawing& draw, int w, int h, const FlightPlanHeader& header) {
    draw.Pen(kFrameWidth);
    draw.Box(0, -200, w, h);
    draw.Box(0, 0, w, -90);
    draw.Box(190, 0, 500, -90);
    draw.Box(0, -100, w, -190);
    draw.Box(190, -100, 500, -190);
    draw.Font(kHeaderFont, qtplatform::kFontWeightBold);
    draw.Text(10, -10, "From");
    draw.Text(200, -10, header.from);
    draw.Text(10, -110, "To");
    draw.Text(200, -110, header.to);
}

// The VOR's rose: ticks every 5 degrees, longer every 30, and the four cardinal labels.
void DrawRose(ChartDrawing& draw, PagePoint at) {
    draw.Pen(3, Rgb(0, 0, 255));
    draw.Ellipse(at.x, at.y, kRoseRadiusX, kRoseRadiusY);
    for (int a = 0; a < 180; a += 5) {
        const double dx = kRoseRadiusX * std::sin(DegreesToRadians(a));
        const double dy = kRoseRadiusY * std::cos(DegreesToRadians(a));
        const double inner = a % 30 == 0 ? 0.86 : 0.96;
        for (int sign : {1, -1}) {
            draw.Line(at.x + static_cast<int>(sign * inner * dx), at.y + static_cast<int>(sign * inner * dy),
                      at.x + static_cast<int>(sign * dx), at.y + static_cast<int>(sign * dy));
        }
    }
    draw.Font(kLabelFont);
    draw.Text(at.x, at.y + 150, "0", qtplatform::HorizontalAlign::Center);
    draw.Text(at.x + 214, at.y + 20, "9");
    draw.Text(at.x, at.y - 105, "18", qtplatform::HorizontalAlign::Center);
    draw.Text(at.x - 214, at.y + 20, "27", qtplatform::HorizontalAlign::Right);
}

// A leader from the point at the angle, and a box round the text at its end; returns
// the leader's end.
PagePoint Leader(ChartDrawing& draw, PagePoint from, double degrees, const std::string& text, int boxWidth) {
    const PagePoint end{from.x + static_cast<int>(220 * std::sin(DegreesToRadians(degrees))),
                        from.y + static_cast<int>(120 * std::cos(DegreesToRadians(degrees)))};
    draw.Line(from.x, from.y, end.x, end.y);
    draw.Box(end.x, end.y, end.x + boxWidth, end.y - (kLabelFont + 10));
    draw.Text(end.x + 10, end.y - 5, text);
    return end;
}

void DrawLabel(ChartDrawing& draw, const CRoutePoint& point, PagePoint at) {
    draw.Font(kLabelFont, qtplatform::kFontWeightBold, true);
    draw.Pen(4);
    const std::string name = platform::UpperCased(point.ident);
    if (point.type == kPointVor) {
        const PagePoint end = Leader(draw, at, 135, name, kCharWidth * static_cast<int>(name.size()) + 20);
        Leader(draw, end, point.course + 90, platform::Format("%03d", static_cast<int>(point.course)), 80);
    } else if (point.type == kPointAirport || point.type == kPointNdb) {
        draw.Text(at.x, at.y, name);
    }
}

void DrawSketch(ChartDrawing& draw, int w, int h, const std::vector<CRoutePoint>& points) {
    const ChartProjection projection(BoxAround(points),
                                     {kSketchMargin, kSketchTop, w - kSketchMargin, h + kSketchBottomRise});
    PagePoint main = projection.At(points.front().x, points.front().y);
    PagePoint second = main;
    for (const CRoutePoint& point : points) {
        const PagePoint at = projection.At(point.x, point.y);
        if (point.IsAirport() || point.vorRole == kVor1Role) {
            draw.Pen(kFrameWidth);
            draw.Line(main.x, main.y, at.x, at.y);
            main = at;
        } else if (point.vorRole == kVor2Role) {
            draw.Pen(3, Rgb(0, 128, 0));
            draw.Line(second.x, second.y, at.x, at.y);
            second = at;
        } else {
            draw.Pen(3, Rgb(0, 255, 0));
            draw.Circle(at.x, at.y, kMarkRadius);
        }
        if (point.type == kPointVor) DrawRose(draw, at);
        DrawLabel(draw, point, at);
    }
}

}  // namespace

void DrawFlightPlanPage(qtplatform::DeviceContext& dc, int w, int h, const std::vector<CRoutePoint>& points) {
    ChartDrawing draw(dc);
    DrawFrame(draw, w, h, FlightPlanHeaderOf(points));
    draw.Credit(w, h);
    if (points.size() > 1) DrawSketch(draw, w, h, points);
}

}  // namespace trevalo
