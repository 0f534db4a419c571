// What the map's static layers and idents draw with: the device context in the map's mode
// over the painter of the map's image, and the painter itself for what a frame repeats
// thousands of times. A pen or text colour is set only when it changes, as a frame sets
// them once for each of thousands of navaids.
#pragma once

#include <QLine>
#include <QPainter>
#include <optional>
#include <vector>

#include "mapview/map_frame.h"
#include "platform/mul_div.h"
#include "qtplatform/device_context.h"

namespace trevalo::map_detail {

class MapCanvas {
public:
    // Selects the label font, if any, and writes text without a background.
    MapCanvas(QPainter& painter, const MapFrame& frame, const std::optional<qtplatform::Font>& labelFont);
    MapCanvas(const MapCanvas&) = delete;
    MapCanvas& operator=(const MapCanvas&) = delete;

    const MapFrame& Frame() const { return frame_; }
    const std::optional<qtplatform::Font>& LabelFont() const { return labelFont_; }
    qtplatform::DeviceContext& Dc() { return dc_; }
    QPainter& Painter() { return painter_; }
    // The device context's LPtoDP in the map's mode, inline, as a frame converts a million
    // points.
    qtplatform::Point ToDevice(qtplatform::Point logical) const {
        return {platform::MulDiv(logical.x - windowOrg_.x, dpiX_, kLoMetricPerInch) + viewportOrg_.x,
                viewportOrg_.y - platform::MulDiv(logical.y - windowOrg_.y, dpiY_, kLoMetricPerInch)};
    }

    // Selects the pen unless it is the one selected.
    void SelectPen(const qtplatform::Pen& pen);
    // The pen selected through SelectPen.
    const qtplatform::Pen& Pen() const { return pen_.value(); }
    void SetTextColor(qtplatform::ColorRef color);

    // A line in logical units, clipped to the box.
    void Line(qtplatform::Point from, qtplatform::Point to, const ClipBox& box);
    // A line between world points, converted and clipped.
    void WorldLine(double x1, double y1, double x2, double y2);
    // The line between world points in device pixels, clipped; none when it is out of view.
    std::optional<QLine> DeviceLine(double x1, double y1, double x2, double y2) const;
    // A line in device pixels in the selected pen. With a solid pen of one pixel, a line
    // along a row or a column takes the pixels from its lower end up to, not taking, its
    // higher end, as the painter draws it: they are filled as a rectangle, for a fraction of
    // the cost of a graticule's long lines.
    void DrawDeviceLine(const QLine& line);
    // Device lines in the selected pen whose order does not matter (one colour, nothing
    // else drawn among them), for the pixels that drawing each in turn takes: each line
    // once, and those of a single pixel (where a layer's thousand runways crowd into a few
    // pixels at low zoom) as points in one call. Empties lines.
    void DrawLinesInAnyOrder(std::vector<QLine>& lines);

private:
    static constexpr int kLoMetricPerInch = 254;

    // Pixels inside the device in the selected pen, written straight into an image.
    void DrawPixels(const std::vector<QPoint>& pixels);

    QPainter& painter_;
    qtplatform::DeviceContext dc_;
    const MapFrame& frame_;
    std::optional<qtplatform::Font> labelFont_;
    ClipBox visible_;
    qtplatform::Point windowOrg_, viewportOrg_;
    int dpiX_, dpiY_;
    std::optional<qtplatform::Pen> pen_;
    bool onePixelPen_ = false;  // solid, one pixel wide
    QColor penColour_;
    std::optional<qtplatform::ColorRef> textColor_;
};

// The one pixel that the painter's one-pixel pen takes for a line of at most one pixel's
// step inside the device: the end to the left, or the upper one in a column. None for a
// longer line or one reaching out of the device.
std::optional<QPoint> SinglePixelOf(const QLine& line, const QRect& device);

}  // namespace trevalo::map_detail
