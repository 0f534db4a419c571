#include "navaid_marks.h"

#include <QPaintDevice>
#include <cmath>

#include "map_markers.h"

namespace trevalo::map_detail {
namespace {

using qtplatform::DeviceContext;
using qtplatform::Point;

constexpr int kLoMetricPerInch = 254;
constexpr double kInchesPerMetre = 1.0 / 0.0254;
constexpr char kWidestFigure[] = "27";  // of the rose's

// The device rectangle in which the device context draws the ellipse of a circle (its
// right and bottom edges kept outside, as Ellipse keeps them), through toDevice (the
// device context's LPtoDP or the canvas's ToDevice).
template <class ToDevice>
QRect CircleOutline(const ToDevice& toDevice, Point centre, int radius) {
    const Point a = toDevice(Point{centre.x - radius, centre.y + radius});
    const Point b = toDevice(Point{centre.x + radius, centre.y - radius});
    const int left = std::min(a.x, b.x), top = std::min(a.y, b.y);
    return QRect(left, top, std::max(a.x, b.x) - left, std::max(a.y, b.y) - top).adjusted(0, 0, -1, -1);
}

// A logical centre whose circle the device context draws in a rectangle of the size: the
// size depends on how the centre rounds to pixels, which repeats every inch.
Point CentreOfOutline(const DeviceContext& dc, int radius, QSize size) {
    const auto toDevice = [&dc](Point logical) { return dc.LPtoDP(logical); };
    Point centre{0, 0};
    for (int x = 0; x < kLoMetricPerInch; ++x) {
        if (CircleOutline(toDevice, {x, 0}, radius).width() == size.width()) {
            centre.x = x;
            break;
        }
    }
    for (int y = 0; y < kLoMetricPerInch; ++y) {
        if (CircleOutline(toDevice, {0, y}, radius).height() == size.height()) {
            centre.y = y;
            break;
        }
    }
    return centre;
}

}  // namespace

NavaidMarks::NavaidMarks(MapCanvas& canvas)
    : canvas_(canvas), image_(WritableImage(canvas.Painter())), roses_(canvas.Frame().zoom > kIlsZoom) {}

void NavaidMarks::Draw(double x, double y, int radius, qtplatform::ColorRef pen, qtplatform::ColorRef text) {
    const MapFrame& frame = canvas_.Frame();
    if (!InView(frame, x, y)) return;
    radius = MarkerRadius(frame, radius);
    const auto toDevice = [this](Point logical) { return canvas_.ToDevice(logical); };
    const QRect outline = CircleOutline(toDevice, frame.projection.ToLogical(x, y), radius);
    StampFor({pen, roses_ ? text : 0, radius, outline.width(), outline.height()})
        .CopyTo(image_, canvas_.Painter(), outline.topLeft());
}

Stamp& NavaidMarks::StampFor(const Key& key) {
    if (last_ != nullptr && lastKey_ == key) return *last_;
    lastKey_ = key;
    if (const auto found = stamps_.find(key); found != stamps_.end()) return *(last_ = &found->second);
    const auto [pen, text, radius, width, height] = key;
    const QPaintDevice& target = *canvas_.Painter().device();
    // Wide enough for the rose's figures beside its circle.
    const int margin = 1 + (roses_ ? canvas_.Dc().LPtoDP(canvas_.Dc().GetTextExtent(kWidestFigure)).cx : 0);
    QImage picture;
    {
        picture = QImage(width + 2 * margin + 1, height + 2 * margin + 1, QImage::Format_ARGB32_Premultiplied);
        picture.setDotsPerMeterX(static_cast<int>(std::lround(target.logicalDpiX() * kInchesPerMetre)));
        picture.setDotsPerMeterY(static_cast<int>(std::lround(target.logicalDpiY() * kInchesPerMetre)));
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        DeviceContext dc(painter);
        dc.SetMapMode(qtplatform::MapMode::LoMetric);
        const Point centre = CentreOfOutline(dc, radius, QSize(width, height));
        const QRect outline = CircleOutline([&dc](Point logical) { return dc.LPtoDP(logical); }, centre, radius);
        dc.SetViewportOrg({margin - outline.left(), margin - outline.top()});
        if (canvas_.LabelFont()) dc.SelectFont(*canvas_.LabelFont());
        dc.SetBkMode(qtplatform::BackgroundMode::Transparent);
        dc.SelectPen({qtplatform::PenStyle::Solid, 0, pen});
        dc.SetTextColor(text);
        if (roses_) {
            MapFrame frame = canvas_.Frame();
            frame.visible = {centre.x - 2 * radius, centre.y + 2 * radius, centre.x + 2 * radius,
                             centre.y - 2 * radius};
            dc.SelectBrush({qtplatform::BrushStyle::Hollow});
            DrawRose(dc, frame, centre);
        } else {
            DrawHollowCircle(dc, centre, radius);
        }
    }
    return *(last_ = &stamps_.try_emplace(key, std::move(picture), QPoint(margin, margin)).first->second);
}

}  // namespace trevalo::map_detail
