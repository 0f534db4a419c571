#include "qtplatform/device_context.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPolygon>
#include <algorithm>
#include <cstdlib>
#include <utility>

#include "platform/mul_div.h"
#include "qtplatform/text.h"

namespace qtplatform {
namespace {

// Tenths of a millimetre per inch.
constexpr int kLoMetricPerInch = 254;

int DeviceDpi(const QPainter& painter, bool horizontal) {
    const QPaintDevice* device = painter.device();
    if (device == nullptr) return 96;
    return horizontal ? device->logicalDpiX() : device->logicalDpiY();
}

}  // namespace

QColor ToQColor(ColorRef color) {
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

DeviceContext::DeviceContext(QPainter& painter)
    : painter_(painter), dpiX_(DeviceDpi(painter, true)), dpiY_(DeviceDpi(painter, false)) {
    ApplyPenAndBrush();
}

Point DeviceContext::SetWindowOrg(Point origin) { return std::exchange(windowOrg_, origin); }
Point DeviceContext::SetViewportOrg(Point origin) { return std::exchange(viewportOrg_, origin); }

int DeviceContext::ScaleX(int logical) const {
    return mode_ == MapMode::Text ? logical : platform::MulDiv(logical, dpiX_, kLoMetricPerInch);
}
int DeviceContext::ScaleY(int logical) const {
    return mode_ == MapMode::Text ? logical : platform::MulDiv(logical, dpiY_, kLoMetricPerInch);
}
int DeviceContext::UnscaleX(int device) const {
    return mode_ == MapMode::Text ? device : platform::MulDiv(device, kLoMetricPerInch, dpiX_);
}
int DeviceContext::UnscaleY(int device) const {
    return mode_ == MapMode::Text ? device : platform::MulDiv(device, kLoMetricPerInch, dpiY_);
}

Point DeviceContext::LPtoDP(Point logical) const {
    const int sign = mode_ == MapMode::Text ? 1 : -1;  // the metric mode's y grows upward
    return {ScaleX(logical.x - windowOrg_.x) + viewportOrg_.x,
            sign * ScaleY(logical.y - windowOrg_.y) + viewportOrg_.y};
}

Point DeviceContext::DPtoLP(Point device) const {
    const int sign = mode_ == MapMode::Text ? 1 : -1;
    return {UnscaleX(device.x - viewportOrg_.x) + windowOrg_.x,
            sign * UnscaleY(device.y - viewportOrg_.y) + windowOrg_.y};
}

Rect DeviceContext::LPtoDP(const Rect& logical) const {
    const Point topLeft = LPtoDP(Point{logical.left, logical.top});
    const Point bottomRight = LPtoDP(Point{logical.right, logical.bottom});
    return {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

Rect DeviceContext::DPtoLP(const Rect& device) const {
    const Point topLeft = DPtoLP(Point{device.left, device.top});
    const Point bottomRight = DPtoLP(Point{device.right, device.bottom});
    return {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

Size DeviceContext::LPtoDP(Size logical) const { return {ScaleX(logical.cx), ScaleY(logical.cy)}; }
Size DeviceContext::DPtoLP(Size device) const { return {UnscaleX(device.cx), UnscaleY(device.cy)}; }

QRect DeviceContext::DeviceRect(const Rect& logical) const {
    const Rect d = LPtoDP(logical);
    const int left = std::min(d.left, d.right), right = std::max(d.left, d.right);
    const int top = std::min(d.top, d.bottom), bottom = std::max(d.top, d.bottom);
    return QRect(left, top, right - left, bottom - top);
}

void DeviceContext::ApplyPenAndBrush() {
    if (pen_.style == PenStyle::Null) {
        painter_.setPen(Qt::NoPen);
    } else {
        QPen pen(ToQColor(pen_.color));
        pen.setWidth(std::max(1, std::abs(ScaleX(pen_.width))));
        pen.setStyle(pen_.style == PenStyle::Dot ? Qt::DotLine : Qt::SolidLine);
        pen.setCapStyle(Qt::FlatCap);
        painter_.setPen(pen);
    }
    painter_.setBrush(brush_.style == BrushStyle::Hollow ? QBrush(Qt::NoBrush) : QBrush(ToQColor(brush_.color)));
}

Pen DeviceContext::SelectPen(const Pen& pen) {
    Pen previous = std::exchange(pen_, pen);
    ApplyPenAndBrush();
    return previous;
}

Brush DeviceContext::SelectBrush(const Brush& brush) {
    Brush previous = std::exchange(brush_, brush);
    ApplyPenAndBrush();
    return previous;
}

Font DeviceContext::SelectFont(const Font& font) { return std::exchange(font_, font); }
ColorRef DeviceContext::SetTextColor(ColorRef color) { return std::exchange(textColor_, color); }
ColorRef DeviceContext::SetBkColor(ColorRef color) { return std::exchange(bkColor_, color); }
BackgroundMode DeviceContext::SetBkMode(BackgroundMode mode) { return std::exchange(bkMode_, mode); }
TextAlign DeviceContext::SetTextAlign(TextAlign align) { return std::exchange(align_, align); }

void DeviceContext::LineTo(Point point) {
    const Point from = LPtoDP(current_);
    const Point to = LPtoDP(point);
    painter_.drawLine(from.x, from.y, to.x, to.y);
    current_ = point;
}

QPolygon DeviceContext::DevicePolygon(std::span<const Point> points) const {
    QPolygon polygon;
    for (const Point& p : points) {
        const Point d = LPtoDP(p);
        polygon << QPoint(d.x, d.y);
    }
    return polygon;
}

void DeviceContext::Polyline(std::span<const Point> points) { painter_.drawPolyline(DevicePolygon(points)); }

void DeviceContext::Polygon(std::span<const Point> points) { painter_.drawPolygon(DevicePolygon(points)); }

// A pen outlines a shape one pixel further than its rectangle; the platform keeps the
// right and bottom edges outside.
QRect DeviceContext::OutlineRect(const Rect& logical) const { return DeviceRect(logical).adjusted(0, 0, -1, -1); }

void DeviceContext::Rectangle(const Rect& rect) { painter_.drawRect(OutlineRect(rect)); }

void DeviceContext::Ellipse(const Rect& rect) { painter_.drawEllipse(OutlineRect(rect)); }

void DeviceContext::FillSolidRect(const Rect& rect, ColorRef color) {
    painter_.fillRect(DeviceRect(rect), ToQColor(color));
}

QFont DeviceContext::DeviceFont() const {
    QFont font(ToQString(font_.face));
    const int pixels = std::abs(ScaleY(font_.height));
    if (pixels > 0) font.setPixelSize(pixels);
    const int weight = font_.weight == 0 ? kFontWeightNormal : std::clamp(font_.weight, 100, 900);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(font_.italic);
    return font;
}

Size DeviceContext::GetTextExtent(const std::string& text) const {
    const QFontMetrics metrics(DeviceFont(), painter_.device());
    return DPtoLP(Size{metrics.horizontalAdvance(ToQString(text)), metrics.height()});
}

void DeviceContext::TextOut(Point point, const std::string& text) {
    const QFont font = DeviceFont();
    const QFontMetrics metrics(font, painter_.device());
    const QString qtext = ToQString(text);
    const int width = metrics.horizontalAdvance(qtext);
    const Point reference = LPtoDP(point);

    int left = reference.x;
    if (align_.horizontal == HorizontalAlign::Center) left -= width / 2;
    if (align_.horizontal == HorizontalAlign::Right) left -= width;
    int top = reference.y;
    if (align_.vertical == VerticalAlign::Baseline) top -= metrics.ascent();
    if (align_.vertical == VerticalAlign::Bottom) top -= metrics.height();

    painter_.save();
    if (bkMode_ == BackgroundMode::Opaque)
        painter_.fillRect(QRect(left, top, width, metrics.height()), ToQColor(bkColor_));
    painter_.setFont(font);
    painter_.setPen(ToQColor(textColor_));
    painter_.drawText(QPoint(left, top + metrics.ascent()), qtext);
    painter_.restore();
}

void DeviceContext::IntersectClipRect(const Rect& rect) {
    painter_.setClipRect(DeviceRect(rect), painter_.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
}

void DeviceContext::ResetClip() { painter_.setClipping(false); }

}  // namespace qtplatform
