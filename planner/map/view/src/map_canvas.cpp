#include "map_canvas.h"

#include <QPaintDevice>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "map_stamp.h"
#include "mapview/map_image_cache.h"

namespace trevalo::map_detail {
namespace {

// Device coordinates from -32768 to 32766 fit 16 bits, and no key has all its bits set.
constexpr int kKeyBias = 0x8000;
constexpr std::uint64_t kNoKey = ~std::uint64_t{0};

bool FitsKey(int value) { return value >= -kKeyBias && value < kKeyBias - 1; }

std::uint64_t KeyOf(const QLine& line) {
    const auto field = [](int value) { return static_cast<std::uint64_t>(value + kKeyBias); };
    return field(line.x1()) << 48 | field(line.y1()) << 32 | field(line.x2()) << 16 | field(line.y2());
}

QLine LineOf(std::uint64_t key) {
    const auto field = [key](int shift) { return static_cast<int>((key >> shift) & 0xffff) - kKeyBias; };
    return QLine(field(48), field(32), field(16), field(0));
}

// The distinct keys in the order they first come, found through an open table: sorting
// the keys of thousands of runways would cost more than the drawing it saves.
std::vector<std::uint64_t> Distinct(const std::vector<std::uint64_t>& keys) {
    int bits = 4;
    while ((std::size_t{1} << bits) < 2 * keys.size()) ++bits;
    const std::size_t mask = (std::size_t{1} << bits) - 1;
    std::vector<std::uint64_t> table(mask + 1, kNoKey), distinct;
    for (const std::uint64_t key : keys) {
        constexpr std::uint64_t kSpread = 0x9e3779b97f4a7c15u;  // the golden ratio's, for the high bits
        std::size_t slot = static_cast<std::size_t>((key * kSpread) >> (64 - bits));
        while (table[slot] != kNoKey && table[slot] != key) slot = (slot + 1) & mask;
        if (table[slot] == key) continue;
        table[slot] = key;
        distinct.push_back(key);
    }
    return distinct;
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
    windowOrg_ = dc_.GetWindowOrg();
    viewportOrg_ = dc_.GetViewportOrg();
    dpiX_ = painter.device()->logicalDpiX();
    dpiY_ = painter.device()->logicalDpiY();
    if (labelFont) dc_.SelectFont(*labelFont);
    dc_.SetBkMode(qtplatform::BackgroundMode::Transparent);
}

void MapCanvas::SelectPen(const qtplatform::Pen& pen) {
    if (pen_ && pen_->style == pen.style && pen_->width == pen.width && pen_->color == pen.color) return;
    dc_.SelectPen(pen);
    pen_ = pen;
    onePixelPen_ =
        pen.style == qtplatform::PenStyle::Solid && std::abs(dc_.LPtoDP(qtplatform::Size{pen.width, 0}).cx) <= 1;
    penColour_ = qtplatform::ToQColor(pen.color);
}

void MapCanvas::SetTextColor(qtplatform::ColorRef color) {
    if (textColor_ == color) return;
    dc_.SetTextColor(color);
    textColor_ = color;
}

void MapCanvas::Line(qtplatform::Point from, qtplatform::Point to, const ClipBox& box) {
    if (!ClipLineToRect(from, to, box)) return;
    const qtplatform::Point a = ToDevice(from), b = ToDevice(to);
    DrawDeviceLine(QLine(a.x, a.y, b.x, b.y));
}

void MapCanvas::DrawDeviceLine(const QLine& line) {
    if (!onePixelPen_ || (line.dx() != 0 && line.dy() != 0)) {
        painter_.drawLine(line);
        return;
    }
    const int left = std::min(line.x1(), line.x2()), top = std::min(line.y1(), line.y2());
    painter_.fillRect(left, top, std::max(1, std::abs(line.dx())), std::max(1, std::abs(line.dy())), penColour_);
}

void MapCanvas::WorldLine(double x1, double y1, double x2, double y2) {
    if (const std::optional<QLine> line = DeviceLine(x1, y1, x2, y2)) DrawDeviceLine(*line);
}

std::optional<QLine> MapCanvas::DeviceLine(double x1, double y1, double x2, double y2) const {
    qtplatform::Point from = frame_.projection.ToLogical(x1, y1), to = frame_.projection.ToLogical(x2, y2);
    if (!ClipLineToRect(from, to, visible_)) return std::nullopt;
    const qtplatform::Point a = ToDevice(from), b = ToDevice(to);
    return QLine(a.x, a.y, b.x, b.y);
}

void MapCanvas::DrawLinesInAnyOrder(std::vector<QLine>& lines) {
    std::vector<std::uint64_t> keys;
    keys.reserve(lines.size());
    for (const QLine& line : lines) {
        if (FitsKey(line.x1()) && FitsKey(line.y1()) && FitsKey(line.x2()) && FitsKey(line.y2())) {
            keys.push_back(KeyOf(line));
        } else {
            DrawDeviceLine(line);
        }
    }
    lines.clear();
    const QRect device(0, 0, painter_.device()->width(), painter_.device()->height());
    std::vector<QPoint> pixels;
    for (const std::uint64_t key : Distinct(keys)) {
        const QLine line = LineOf(key);
        if (const std::optional<QPoint> pixel = SinglePixelOf(line, device)) {
            pixels.push_back(*pixel);
        } else {
            DrawDeviceLine(line);
        }
    }
    DrawPixels(pixels);
}

void MapCanvas::DrawPixels(const std::vector<QPoint>& pixels) {
    QImage* image = WritableImage(painter_);
    if (image == nullptr || !onePixelPen_) {
        painter_.drawPoints(pixels.data(), static_cast<int>(pixels.size()));
        return;
    }
    const QRgb colour = penColour_.rgba();
    uchar* bits = image->bits();
    const qsizetype stride = image->bytesPerLine();
    for (const QPoint& pixel : pixels) reinterpret_cast<QRgb*>(bits + pixel.y() * stride)[pixel.x()] = colour;
}

}  // namespace trevalo::map_detail
