#include "map_canvas.h"

#include <QPaintDevice>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "mapview/map_image_cache.h"

namespace trevalo::map_detail {
namespace {

constexpr int kKeyBias = 0x8000;  // device coordinates from -32768 to 32767 fit 16 bits

bool FitsKey(int value) { return value >= -kKeyBias && value < kKeyBias; }

std::uint64_t KeyOf(const QLine& line) {
    const auto field = [](int value) { return static_cast<std::uint64_t>(value + kKeyBias); };
    return field(line.x1()) << 48 | field(line.y1()) << 32 | field(line.x2()) << 16 | field(line.y2());
}

QLine LineOf(std::uint64_t key) {
    const auto field = [key](int shift) { return static_cast<int>((key >> shift) & 0xffff) - kKeyBias; };
    return QLine(field(48), field(32), field(16), field(0));
}

}  // namespace

std::optional<QPoint> SinglePixelOf(const QLine& line, const QRect& device) {
    if (std::abs(line.dx()) > 1 || std::abs(line.dy()) > 1 || !device.contains(line.p1()) ||
        !device.contains(line.p2()))
        return std::nullopt;
    const bool startFirst = line.x1() != line.x2() ? line.x1() < line.x2() : line.y1() <= line.y2();
    return startFirst ? line.p1() : line.p2();
}

MapCanvas::MapCanvas(QPainter& painter, const MapFrame& frame, const std::optional<qtplatform::Font>& labelFont)
    : painter_(painter), dc_(painter), frame_(frame), labelFont_(labelFont), visible_(frame.VisibleBox()) {
    PrepareMapDC(dc_, frame);
    if (labelFont) dc_.SelectFont(*labelFont);
    dc_.SetBkMode(qtplatform::BackgroundMode::Transparent);
}

void MapCanvas::SelectPen(const qtplatform::Pen& pen) {
    if (pen_ && pen_->style == pen.style && pen_->width == pen.width && pen_->color == pen.color) return;
    dc_.SelectPen(pen);
    pen_ = pen;
}

void MapCanvas::SetTextColor(qtplatform::ColorRef color) {
    if (textColor_ == color) return;
    dc_.SetTextColor(color);
    textColor_ = color;
}

void MapCanvas::Line(qtplatform::Point from, qtplatform::Point to, const ClipBox& box) {
    if (!ClipLineToRect(from, to, box)) return;
    const qtplatform::Point a = dc_.LPtoDP(from), b = dc_.LPtoDP(to);
    painter_.drawLine(a.x, a.y, b.x, b.y);
}

void MapCanvas::WorldLine(double x1, double y1, double x2, double y2) {
    Line(frame_.projection.ToLogical(x1, y1), frame_.projection.ToLogical(x2, y2));
}

std::optional<QLine> MapCanvas::DeviceLine(double x1, double y1, double x2, double y2) const {
    qtplatform::Point from = frame_.projection.ToLogical(x1, y1), to = frame_.projection.ToLogical(x2, y2);
    if (!ClipLineToRect(from, to, visible_)) return std::nullopt;
    const qtplatform::Point a = dc_.LPtoDP(from), b = dc_.LPtoDP(to);
    return QLine(a.x, a.y, b.x, b.y);
}

void MapCanvas::DrawLinesInAnyOrder(std::vector<QLine>& lines) {
    std::vector<std::uint64_t> keys;
    keys.reserve(lines.size());
    for (const QLine& line : lines) {
        if (FitsKey(line.x1()) && FitsKey(line.y1()) && FitsKey(line.x2()) && FitsKey(line.y2())) {
            keys.push_back(KeyOf(line));
        } else {
            painter_.drawLine(line);
        }
    }
    lines.clear();
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    const QRect device(0, 0, painter_.device()->width(), painter_.device()->height());
    std::vector<QPoint> pixels;
    for (const std::uint64_t key : keys) {
        const QLine line = LineOf(key);
        if (const std::optional<QPoint> pixel = SinglePixelOf(line, device)) {
            pixels.push_back(*pixel);
        } else {
            painter_.drawLine(line);
        }
    }
    painter_.drawPoints(pixels.data(), static_cast<int>(pixels.size()));
}

}  // namespace trevalo::map_detail
