#include "mapview/map_image_cache.h"

#include <QPainter>
#include <cmath>
#include <cstring>

namespace trevalo {
namespace {

constexpr double kInchesPerMetre = 1.0 / 0.0254;

void SetResolution(QImage& image, int dpi) {
    const int dotsPerMetre = static_cast<int>(std::lround(dpi * kInchesPerMetre));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
}

void DrawOn(QImage& image, const MapFrame& frame, const MapImageCache::Draw& draw) {
    QPainter painter(&image);
    draw(painter, frame);
}

}  // namespace

void PrepareMapDC(qtplatform::DeviceContext& dc, const MapFrame& frame) {
    dc.SetMapMode(qtplatform::MapMode::LoMetric);
    const ClipBox box = ClipBox::FromRect(frame.client);
    dc.SetWindowOrg({box.minX, box.maxY});
    dc.SetViewportOrg({0, 0});
}

const QImage& MapImageCache::Image(const MapFrame& frame, QSize pixels, int dpi, std::optional<int> fontHeight,
                                   const Draw& drawStatic) {
    const Key key{frame.zoom, frame.client, frame.switches, pixels, dpi, fontHeight};
    if (valid_ && key == key_) return image_;
    if (image_.size() != pixels) image_ = QImage(pixels, QImage::Format_RGB32);
    SetResolution(image_, dpi);
    DrawOn(image_, frame, drawStatic);
    key_ = key;
    valid_ = true;
    labelledFor_.reset();
    ++draws_;
    return image_;
}

const QImage& MapImageCache::Image(const MapFrame& frame, QSize pixels, int dpi, std::optional<int> fontHeight,
                                   const Draw& drawStatic, const LabelPriorities& priorities, const Draw& drawLabels) {
    const QImage& layers = Image(frame, pixels, dpi, fontHeight, drawStatic);
    if (labelledFor_ && *labelledFor_ == priorities) return labelled_;
    if (labelled_.size() != layers.size() || labelled_.format() != layers.format())
        labelled_ = QImage(layers.size(), layers.format());
    std::memcpy(labelled_.bits(), layers.constBits(), static_cast<std::size_t>(layers.sizeInBytes()));
    SetResolution(labelled_, dpi);
    DrawOn(labelled_, frame, drawLabels);
    labelledFor_ = priorities;
    ++labelDraws_;
    return labelled_;
}

}  // namespace trevalo
