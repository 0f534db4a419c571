// A small picture that the map repeats at a thousand points (the circle of a navaid, the
// compass rose): drawn once into a transparent image, then copied pixel by pixel wherever
// it shows, for a small part of the cost of drawing it again.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <vector>

namespace trevalo::map_detail {

// The image a painter draws on, when pixels may be written into it straight: 32-bit
// pixels, no clip, no transform, source over, not shared with another image. None else.
QImage* WritableImage(QPainter& painter);

class Stamp {
public:
    // picture: premultiplied ARGB; origin: its pixel that lands on the point copied to.
    Stamp(QImage picture, QPoint origin);

    // Copies the drawn pixels into image, the painter's (WritableImage), with the origin on
    // the device point, blending those partly covered (the edges of text) over what lies
    // there; without an image the painter draws the picture.
    void CopyTo(QImage* image, QPainter& painter, QPoint point);

private:
    struct Pixel {
        int x, y;     // from the origin
        QRgb colour;  // premultiplied
    };

    void CopyClipped(QImage& image, QPoint point) const;

    QImage picture_;
    QPoint origin_;
    std::vector<Pixel> pixels_;  // the opaque ones first
    std::size_t opaque_ = 0;
    QRect bounds_;  // of the drawn pixels, from the origin
    // Each pixel's place in an image of the stride, from the origin's.
    qsizetype stride_ = 0;
    std::vector<qsizetype> offsets_;
};

}  // namespace trevalo::map_detail
