// The static layers of the map kept in an image of the client area: drawn again only when
// the zoom, the part of the world in view, the switches, the size or the label font
// change (or the cache is dropped), so that a route edit redraws only the route over it.
#pragma once

#include <QImage>
#include <functional>
#include <optional>

#include "mapview/map_frame.h"
#include "qtplatform/device_context.h"

namespace trevalo {

class MapImageCache {
public:
    using DrawStatic = std::function<void(qtplatform::DeviceContext& dc, const MapFrame& frame)>;

    // The image of the frame's client rectangle at the resolution; draws it when stale.
    const QImage& Image(const MapFrame& frame, QSize pixels, int dpi, std::optional<int> fontHeight,
                        const DrawStatic& draw);
    void Invalidate() { valid_ = false; }
    // Drawings made since construction (tests and the bench).
    int DrawCount() const { return draws_; }

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
};

// Sets up a device context of the metric mode over a painter so that the frame's client
// rectangle fills the device from its top-left corner.
void PrepareMapDC(qtplatform::DeviceContext& dc, const MapFrame& frame);

}  // namespace trevalo
