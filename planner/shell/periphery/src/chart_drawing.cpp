#include "chart_drawing.h"

namespace trevalo {
namespace {
constexpr qtplatform::ColorRef kCreditGrey = qtplatform::Rgb(192, 192, 192);
constexpr int kCreditHeight = 30;
constexpr int kCreditMargin = 10;
constexpr int kCreditRise = 45;
}  // namespace

ChartDrawing::ChartDrawing(qtplatform::DeviceContext& dc) : dc_(dc) {
    dc_.SetBkMode(qtplatform::BackgroundMode::Transparent);
    dc_.SelectBrush({qtplatform::BrushStyle::Hollow});
}

void ChartDrawing::Pen(int width, qtplatform::ColorRef color, qtplatform::PenStyle style) {
    dc_.SelectPen({style, width, color});
}

void ChartDrawing::Font(int height, int weight, bool italic) { dc_.SelectFont({kChartFace, height, weight, italic}); }

void ChartDrawing::Text(int x, int y, const std::string& text, qtplatform::HorizontalAlign align) {
    dc_.SetTextAlign({align, qtplatform::VerticalAlign::Top});
    dc_.TextOut({x, y}, text);
}

void ChartDrawing::Line(int x1, int y1, int x2, int y2) {
    dc_.MoveTo({x1, y1});
    dc_.LineTo({x2, y2});
}

void ChartDrawing::Box(int left, int top, int right, int bottom) { dc_.Rectangle({left, top, right, bottom}); }

void ChartDrawing::Ellipse(int x, int y, int radiusX, int radiusY) {
    dc_.Ellipse({x - radiusX, y + radiusY, x + radiusX, y - radiusY});
}

void ChartDrawing::Credit(int width, int height) {
    Font(kCreditHeight);
    const qtplatform::ColorRef previous = dc_.SetTextColor(kCreditGrey);
    Text(width - kCreditMargin, height + kCreditRise, kCreditLine, qtplatform::HorizontalAlign::Right);
    dc_.SetTextColor(previous);
}

}  // namespace trevalo
