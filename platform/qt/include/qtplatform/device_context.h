// A device context over QPainter for the drawing code of the suite: the text mode (one
// logical unit per pixel, y down) and the metric mode (0.1 mm per unit, y up), window and
// viewport origins, logical/device conversions with MulDiv rounding, pens, brushes, fonts,
// lines, polygons, rectangles, ellipses, aligned text with an opaque or transparent
// background, and clipping. Colours are 0x00BBGGRR values.
#pragma once

#include <QFont>
#include <QPainter>
#include <QPolygon>
#include <cstdint>
#include <span>
#include <string>

#include "platform/geometry.h"

namespace qtplatform {

using ColorRef = std::uint32_t;

constexpr ColorRef Rgb(int red, int green, int blue) {
    return static_cast<ColorRef>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
QColor ToQColor(ColorRef color);

using Point = platform::Point;
using Size = platform::Size;
using Rect = platform::Rect;

enum class MapMode { Text, LoMetric };

enum class PenStyle { Solid, Dot, Null };
struct Pen {
    PenStyle style = PenStyle::Solid;
    int width = 0;  // logical units; 0 is one pixel
    ColorRef color = Rgb(0, 0, 0);
};

enum class BrushStyle { Solid, Hollow };
struct Brush {
    BrushStyle style = BrushStyle::Solid;
    ColorRef color = Rgb(255, 255, 255);
};

inline constexpr int kFontWeightNormal = 400;
inline constexpr int kFontWeightBold = 700;
struct Font {
    std::string face = "Arial";
    int height = 0;                  // logical units, either sign; 0 is the default size
    int weight = kFontWeightNormal;  // 100..900, 0 for normal
    bool italic = false;
};

enum class HorizontalAlign { Left, Center, Right };
enum class VerticalAlign { Top, Baseline, Bottom };
struct TextAlign {
    HorizontalAlign horizontal = HorizontalAlign::Left;
    VerticalAlign vertical = VerticalAlign::Top;
};

enum class BackgroundMode { Opaque, Transparent };

class DeviceContext {
public:
    // Draws with the painter; logical units follow the painter's device resolution.
    explicit DeviceContext(QPainter& painter);
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;

    void SetMapMode(MapMode mode) { mode_ = mode; }
    MapMode GetMapMode() const { return mode_; }
    // Returns the previous origin.
    Point SetWindowOrg(Point origin);
    Point SetViewportOrg(Point origin);
    Point GetWindowOrg() const { return windowOrg_; }
    Point GetViewportOrg() const { return viewportOrg_; }

    Point LPtoDP(Point logical) const;
    Point DPtoLP(Point device) const;
    Rect LPtoDP(const Rect& logical) const;
    Rect DPtoLP(const Rect& device) const;
    // Lengths without origins or direction: device pixels of a logical length and back.
    Size LPtoDP(Size logical) const;
    Size DPtoLP(Size device) const;

    // Each returns the previous object.
    Pen SelectPen(const Pen& pen);
    Brush SelectBrush(const Brush& brush);
    Font SelectFont(const Font& font);
    ColorRef SetTextColor(ColorRef color);
    ColorRef SetBkColor(ColorRef color);
    BackgroundMode SetBkMode(BackgroundMode mode);
    TextAlign SetTextAlign(TextAlign align);

    void MoveTo(Point point) { current_ = point; }
    Point GetCurrentPosition() const { return current_; }
    void LineTo(Point point);
    void Polyline(std::span<const Point> points);
    void Polygon(std::span<const Point> points);
    void Rectangle(const Rect& rect);
    void Ellipse(const Rect& rect);
    void FillSolidRect(const Rect& rect, ColorRef color);

    // Text at a reference point placed by the text alignment.
    void TextOut(Point point, const std::string& text);
    Size GetTextExtent(const std::string& text) const;
    // The font TextOut writes with: the selected one at the device's size.
    QFont DeviceFont() const;

    // Clipping, in logical units; the region only shrinks until ResetClip.
    void IntersectClipRect(const Rect& rect);
    void ResetClip();

private:
    int ScaleX(int logical) const;
    int ScaleY(int logical) const;
    int UnscaleX(int device) const;
    int UnscaleY(int device) const;
    QRect DeviceRect(const Rect& logical) const;
    QRect OutlineRect(const Rect& logical) const;
    QPolygon DevicePolygon(std::span<const Point> points) const;
    void ApplyPenAndBrush();

    QPainter& painter_;
    int dpiX_;
    int dpiY_;
    MapMode mode_ = MapMode::Text;
    Point windowOrg_;
    Point viewportOrg_;
    Point current_;
    Pen pen_;
    Brush brush_;
    Font font_;
    ColorRef textColor_ = Rgb(0, 0, 0);
    ColorRef bkColor_ = Rgb(255, 255, 255);
    BackgroundMode bkMode_ = BackgroundMode::Opaque;
    TextAlign align_;
};

}  // namespace qtplatform
