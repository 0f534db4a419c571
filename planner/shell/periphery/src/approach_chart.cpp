// An approach chart: the airport's boxes (ATIS, ILS, final approach course, elevation,
// runway), the holding, the plan view of the runway with the navaids around it, and the
// descent profile along the bottom.
#include <algorithm>
#include <cmath>

#include "chart_drawing.h"
#include "chart_pages.h"
#include "map/unit_conversions.h"
#include "platform/text.h"

namespace trevalo {
namespace {

using qtplatform::HorizontalAlign;
using qtplatform::PenStyle;
using qtplatform::Rgb;

constexpr int kLarge = 45;
constexpr int kSmall = 25;
constexpr int kTiny = 15;
constexpr int kPlanTop = -395;
constexpr int kProfileHeight = 600;
constexpr int kLabelBoxHeight = 50;
constexpr int kLabelCharWidth = 24;

void DrawBoxes(ChartDrawing& draw, int w, const ApproachFacts& facts) {
    draw.Pen(6);
    draw.Font(kLarge);
    draw.Text(w / 2, -10, kCreditLine, HorizontalAlign::Center);
    draw.Font(kSmall);
    draw.Text(w / 2, -55, kSimulationOnlyLine, HorizontalAlign::Center);
    draw.Font(kLarge);
    draw.Text(0, -55, facts.ident);
    draw.Font(kSmall);
    draw.Text(0, -100, facts.name);

    struct Cell {
        int left, top;
        const char* title;
        int titleX;
    };
    constexpr Cell kCells[] = {
        {0, -135, "Atis", 140}, {300, -135, "ILS", 440}, {0, -255, "Final Apch Crs", 110}, {300, -255, "Airport", 440}};
    for (const Cell& cell : kCells) {
        draw.Box(cell.left, cell.top, cell.left + 300, cell.top - (cell.top == -135 ? 120 : 130));
        draw.Font(kTiny);
        draw.Text(cell.titleX, cell.top - 5, cell.title);
    }
    draw.Font(kLarge);
    draw.Text(100, -160, facts.atisFrequency);
    if (!facts.ilsIdent.empty()) {
        draw.Text(410, -160, facts.ilsIdent);
        draw.Text(390, -200, facts.ilsFrequency);
    }
    draw.Text(110, -280, facts.course);
    draw.Text(400, -280, facts.elevation);
    draw.Text(70, -325, facts.runwayBox);
}

void DrawHolding(ChartDrawing& draw, const ApproachFacts& facts) {
    // The racetrack: two circles joined by straight legs, their inner halves painted out.
    draw.Pen(6);
    draw.dc().Ellipse({750, -155, 980, -375});
    draw.dc().Ellipse({1050, -155, 1280, -375});
    draw.dc().FillSolidRect({865, -162, 1165, -368}, Rgb(255, 255, 255));
    draw.Line(865, -155, 1165, -155);
    draw.Line(865, -375, 1165, -375);
    draw.Font(30);
    draw.Text(950, -195, "Segment 2nm");
    draw.Text(1300, -225, "Direction: East");
    draw.Pen(1);
    draw.Line(1015, -265, 965, -305);
    draw.Circle(1015, -265, 20);
    draw.Circle(1015, -265, 10);
    if (facts.holdingFix.empty()) return;
    if (!facts.holdingAltitude.empty()) draw.Text(1300, -285, facts.holdingAltitude);
    draw.Box(915, -305, 915 + 27 * static_cast<int>(facts.holdingFix.size()) + 20, -345);
    draw.Text(925, -310, facts.holdingFix);
}

struct LabelBox {
    int left, top, right, bottom;
    bool Overlaps(const LabelBox& o) const {
        return left < o.right && o.left < right && bottom < o.top && o.bottom < top;
    }
};

// A navaid's label at the end of a leader turned until its box meets no earlier label.
void DrawNavaidLabel(ChartDrawing& draw, PagePoint at, const std::string& text, std::vector<LabelBox>& placed) {
    const int width = kLabelCharWidth * static_cast<int>(text.size()) + 20;
    LabelBox chosen{};
    PagePoint end{};
    for (int angle = 45; angle < 405; angle += 45) {
        end = {at.x + static_cast<int>(150 * std::sin(DegreesToRadians(angle))),
               at.y + static_cast<int>(150 * std::cos(DegreesToRadians(angle)))};
        chosen = {end.x, end.y, end.x + width, end.y - kLabelBoxHeight};
        if (std::none_of(placed.begin(), placed.end(), [&](const LabelBox& b) { return b.Overlaps(chosen); })) break;
    }
    placed.push_back(chosen);
    draw.Pen(1);
    draw.Line(at.x, at.y, end.x, end.y);
    draw.Box(chosen.left, chosen.top, chosen.right, chosen.bottom);
    draw.Text(chosen.left + 10, chosen.top - 10, text);
}

void DrawNavaids(ChartDrawing& draw, const ChartProjection& projection, const ApproachFacts& facts) {
    std::vector<LabelBox> placed;
    draw.Font(30);
    for (const ChartNavaid& navaid : facts.navaids) {
        const PagePoint at = projection.At(navaid.x, navaid.y);
        if (navaid.type == kPointVor) {
            draw.Pen(3, Rgb(0, 0, 255));
            draw.Circle(at.x, at.y, 20);
            draw.Circle(at.x, at.y, 30);
        } else if (navaid.type == kPointNdb) {
            draw.Pen(1, Rgb(255, 0, 0), PenStyle::Dot);
            for (int radius : {30, 20, 10}) draw.Circle(at.x, at.y, radius);
        } else if (navaid.type == kPointIls) {
            draw.Pen(1, Rgb(0, 160, 0), PenStyle::Dot);
            draw.Circle(at.x, at.y, 10);
            continue;
        } else {
            continue;
        }
        DrawNavaidLabel(draw, at, navaid.label, placed);
    }
}

void DrawPlan(ChartDrawing& draw, int w, int h, const ApproachFacts& facts) {
    draw.Pen(6);
    draw.Box(0, h + kProfileHeight, w, -385);
    const int side = std::min(w - 40, kPlanTop - (h + kProfileHeight) - 40);
    const int left = (w - side) / 2;
    const ChartProjection projection(facts.window, {left, kPlanTop - 20, left + side, kPlanTop - 20 - side});
    draw.dc().IntersectClipRect({0, -385, w, h + kProfileHeight});
    DrawNavaids(draw, projection, facts);
    draw.Pen(2, Rgb(128, 0, 128));
    for (std::size_t i = 1; i < facts.procedure.size(); ++i) {
        const PagePoint a = projection.At(facts.procedure[i - 1].first, facts.procedure[i - 1].second);
        const PagePoint b = projection.At(facts.procedure[i].first, facts.procedure[i].second);
        draw.Line(a.x, a.y, b.x, b.y);
    }
    const PagePoint threshold = projection.At(facts.thresholdX, facts.thresholdY);
    const PagePoint far = projection.At(facts.farX, facts.farY);
    draw.Pen(6);
    draw.Line(threshold.x, threshold.y, far.x, far.y);
    // The approach cone opens from the threshold back along the final course.
    constexpr int kConeLength = 900;
    for (const auto& [offset, pen] : {std::pair{-3.0, 3}, std::pair{3.0, 2}}) {
        const double bearing = DegreesToRadians(facts.courseDegrees + 180 + offset);
        draw.Pen(pen, kChartBlack, offset < 0 ? PenStyle::Solid : PenStyle::Dot);
        draw.Line(threshold.x, threshold.y, threshold.x + static_cast<int>(kConeLength * std::sin(bearing)),
                  threshold.y + static_cast<int>(kConeLength * std::cos(bearing)));
    }
    draw.dc().ResetClip();
}

void DrawProfile(ChartDrawing& draw, int w, int h, const ApproachFacts& facts) {
    const int ground = h + 300;
    const int runway = w - w / 3;
    const int left = 0;
    draw.Pen(4);
    draw.Line(w, ground, left, ground);
    draw.Pen(10);
    draw.Line(runway, ground, runway + 150, ground);
    draw.Font(30, qtplatform::kFontWeightBold, true);
    draw.Text(runway + 200, h + 350, platform::Format("%d'", facts.elevationFeet));
    draw.Text(runway + 20, h + 340, facts.profileRunway);
    draw.Pen(8);
    draw.Line(left + 200, h + 500, left + 600, h + 500);
    draw.Line(left + 600, h + 500, runway, ground);
    draw.Pen(1);
    draw.Line(left + 600, h + 500, left + 575, h + 545);
    draw.Line(left + 575, h + 545, runway, ground);
    draw.Line(left + 600, h + 500, left + 575, h + 455);
    draw.Line(left + 575, h + 455, runway, ground);
    // The ILS stations along the path, nearest the runway first.
    draw.Font(20, qtplatform::kFontWeightBold, true);
    const int step =
        facts.profileIls.empty() ? 0 : (runway - (left + 600)) / static_cast<int>(facts.profileIls.size() + 1);
    for (std::size_t i = 0; i < facts.profileIls.size(); ++i) {
        const int x = runway - step * static_cast<int>(i + 1);
        const int pathY = ground + (h + 500 - ground) * (runway - x) / (runway - (left + 600));
        draw.Pen(1, kChartBlack, PenStyle::Dot);
        draw.Line(x, ground, x, pathY);
        draw.Text(x, pathY + 30, facts.profileIls[i], HorizontalAlign::Center);
    }
}

}  // namespace

void DrawApproachPage(qtplatform::DeviceContext& dc, int w, int h, const ApproachFacts& facts) {
    ChartDrawing draw(dc);
    draw.Pen(6);
    draw.Box(0, -135, w, h);
    DrawBoxes(draw, w, facts);
    DrawHolding(draw, facts);
    DrawPlan(draw, w, h, facts);
    DrawProfile(draw, w, h, facts);
    draw.Credit(w, h);
}

}  // namespace trevalo
