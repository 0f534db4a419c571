#include "map_stamp.h"

#include <QPaintDevice>
#include <algorithm>
#include <utility>

namespace trevalo::map_detail {
namespace {

constexpr QRgb kOpaque = 0xff000000u;

// x times alpha / 255 in each of the four bytes.
QRgb ByteMultiply(QRgb x, unsigned alpha) {
    QRgb t = (x & 0xff00ffu) * alpha;
    t = ((t + ((t >> 8) & 0xff00ffu) + 0x800080u) >> 8) & 0xff00ffu;
    x = ((x >> 8) & 0xff00ffu) * alpha;
    x = (x + ((x >> 8) & 0xff00ffu) + 0x800080u) & 0xff00ff00u;
    return x | t;
}

// A premultiplied colour over a pixel of the target.
QRgb Over(QRgb colour, QRgb target, QRgb alphaOfTarget) {
    return (colour + ByteMultiply(target, 255 - qAlpha(colour))) | alphaOfTarget;
}

}  // namespace

QImage* WritableImage(QPainter& painter) {
    QPaintDevice* device = painter.device();
    if (device == nullptr || device->devType() != QInternal::Image) return nullptr;
    auto* image = static_cast<QImage*>(device);
    const bool plain =
        image->format() == QImage::Format_RGB32 || image->format() == QImage::Format_ARGB32_Premultiplied;
    if (!plain || painter.hasClipping() || !painter.deviceTransform().isIdentity() ||
        painter.compositionMode() != QPainter::CompositionMode_SourceOver || !image->isDetached())
        return nullptr;
    return image;
}

Stamp::Stamp(QImage picture, QPoint origin) : picture_(std::move(picture)), origin_(origin) {
    std::vector<Pixel> blended;
    int left = picture_.width(), top = picture_.height(), right = -1, bottom = -1;
    for (int y = 0; y < picture_.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture_.constScanLine(y));
        for (int x = 0; x < picture_.width(); ++x) {
            const QRgb colour = line[x];
            if (qAlpha(colour) == 0) continue;
            (qAlpha(colour) == 255 ? pixels_ : blended).push_back({x - origin_.x(), y - origin_.y(), colour});
            left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y);
        }
    }
    if (right >= 0) bounds_ = QRect(QPoint(left, top) - origin_, QPoint(right, bottom) - origin_);
    opaque_ = pixels_.size();
    pixels_.insert(pixels_.end(), blended.begin(), blended.end());
}

void Stamp::CopyTo(QImage* image, QPainter& painter, QPoint point) {
    if (image == nullptr) {
        painter.drawImage(point - origin_, picture_);
        return;
    }
    if (!image->rect().contains(bounds_.translated(point))) {
        CopyClipped(*image, point);
        return;
    }
    const qsizetype stride = image->bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    if (stride != stride_) {
        offsets_.clear();
        for (const Pixel& pixel : pixels_) offsets_.push_back(pixel.y * stride + pixel.x);
        stride_ = stride;
    }
    QRgb* at = reinterpret_cast<QRgb*>(image->bits()) + point.y() * stride + point.x();
    for (std::size_t i = 0; i < opaque_; ++i) at[offsets_[i]] = pixels_[i].colour;
    const QRgb alphaOfTarget = image->format() == QImage::Format_RGB32 ? kOpaque : 0;
    for (std::size_t i = opaque_; i < pixels_.size(); ++i) {
        QRgb& target = at[offsets_[i]];
        target = Over(pixels_[i].colour, target, alphaOfTarget);
    }
}

void Stamp::CopyClipped(QImage& image, QPoint point) const {
    const QRgb alphaOfTarget = image.format() == QImage::Format_RGB32 ? kOpaque : 0;
    uchar* bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const auto width = static_cast<unsigned>(image.width()), height = static_cast<unsigned>(image.height());
    for (std::size_t i = 0; i < pixels_.size(); ++i) {
        const int x = point.x() + pixels_[i].x, y = point.y() + pixels_[i].y;
        if (static_cast<unsigned>(x) >= width || static_cast<unsigned>(y) >= height) continue;
        QRgb& target = reinterpret_cast<QRgb*>(bits + y * stride)[x];
        target = i < opaque_ ? pixels_[i].colour : Over(pixels_[i].colour, target, alphaOfTarget);
    }
}

}  // namespace trevalo::map_detail
