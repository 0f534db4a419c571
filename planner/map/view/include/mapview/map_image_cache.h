// The static layers of the map kept in an image of the client area: drawn again only when
// the zoom, the part of the world in view, the switches, the size or the label font
// change (or the cache is dropped). The idents are kept in a second image, the first with
// them written over it, drawn again from the first also when what they give way to (the
// route's idents, the plane) changes: a route edit or a move of the plane writes the
// idents again, and redraws no layer.
#pragma once

#include <QImage>
#include <QPainter>
#include <functional>
#include <optional>

#include "mapview/label_priorities.h"
#include "mapview/map_frame.h"
#include "qtplatform/device_context.h"

namespace trevalo {

class MapImageCache {
public:
    // Draws the frame with the painter on the image, from its top-left corner.
    using Draw = std::function<void(QPainter& painter, const MapFrame& frame)>;

    // The image of the frame's client rectangle at the resolution; draws it when stale.
    const QImage& Image(const MapFrame& frame, QSize pixels, int dpi, std::optional<int> fontHeight,
                        const Draw& drawStatic);
    // The same with the idents drawn over it by drawLabels.
    const QImage& Image(const MapFrame& frame, QSize pixels, int dpi, std::optional<int> fontHeight,
                        const Draw& drawStatic, const LabelPriorities& priorities, const Draw& drawLabels);
    void Invalidate() { valid_ = false; }
    // Drawings of the static layers, and of the idents, made since construction (tests and
    // the bench).
    int DrawCount() const { return draws_; }
    int LabelDrawCount() const { return labelDraws_; }

private:
    struct Key {
        int zoom = 0;
        qtplatform::Rect client;
        DisplaySwitches switches;
        QSize pixels;
        int dpi = 0;
        std::optional<int> fontHeight;
        bool operator==(const Key&) const = default;
    };

    QImage image_;
    Key key_;
    bool valid_ = false;
    int draws_ = 0;
    QImage labelled_;
    std::optional<LabelPriorities> labelledFor_;  // none while labelled_ is stale
    int labelDraws_ = 0;
};

// Sets up a device context of the metric mode over a painter so that the frame's client
// rectangle fills the device from its top-left corner.
void PrepareMapDC(qtplatform::DeviceContext& dc, const MapFrame& frame);

}  // namespace trevalo
