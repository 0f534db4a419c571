#include "mapview/map_image_cache.h"

#include <QPainter>
#include <cmath>

namespace trevalo {
namespace {

constexpr double kInchesPerMetre = 1.0 / 0.0254;

}  // namespace

void PrepareMapDC(qtplatform::DeviceContext& dc, const MapFrame& frame) {
    dc.SetMapMode(qtplatform::MapMode::LoMetric);
    const ClipBox box = ClipBox::FromRect(frame.client);
    dc.SetWindowOrg({box.minX, box.maxY});
    dc.SetViewportOrg({0, 0});
}

const QImage& MapImageCache::Image(const MapFrame& frame, QSize pixels, int dpi, std::optional<int> fontHeight,
                                   const DrawStatic& draw) {
    const Key key{frame.zoom, frame.client, frame.switches, pixels, dpi, fontHeight};
    if (valid_ && key == key_) return image_;
    if (image_.size() != pixels) image_ = QImage(pixels, QImage::Format_RGB32);
    const int dotsPerMetre = static_cast<int>(std::lround(dpi * kInchesPerMetre));
    image_.setDotsPerMeterX(dotsPerMetre);
    image_.setDotsPerMeterY(dotsPerMetre);
    {
        QPainter painter(&image_);
        qtplatform::DeviceContext dc(painter);
        PrepareMapDC(dc, frame);
        draw(dc, frame);
    }
    key_ = key;
    valid_ = true;
    ++draws_;
    return image_;
}

}  // namespace trevalo
