// The few strokes the charts are made of, on a device context in 0.1 mm units with y
// growing upward, all text in Arial.
#pragma once

#include <string>

#include "qtplatform/device_context.h"

namespace trevalo {

inline constexpr qtplatform::ColorRef kChartBlack = qtplatform::Rgb(0, 0, 0);
inline constexpr const char* kChartFace = "ARIAL";
inline constexpr const char* kCreditLine = "Chart made with Trevalo";
inline constexpr const char* kSimulationOnlyLine =
    "This aeronautical chart is intended for flight simulation use ONLY, not for actual flying";

class ChartDrawing {
public:
    explicit ChartDrawing(qtplatform::DeviceContext& dc);

    void Pen(int width, qtplatform::ColorRef color = kChartBlack,
             qtplatform::PenStyle style = qtplatform::PenStyle::Solid);
    void Font(int height, int weight = qtplatform::kFontWeightNormal, bool italic = false);
    void Text(int x, int y, const std::string& text,
              qtplatform::HorizontalAlign align = qtplatform::HorizontalAlign::Left);
    void Line(int x1, int y1, int x2, int y2);
    void Box(int left, int top, int right, int bottom);
    void Ellipse(int x, int y, int radiusX, int radiusY);
    void Circle(int x, int y, int radius) { Ellipse(x, y, radius, radius); }
    // The small grey credit line at the bottom right of a page.
    void Credit(int width, int height);

    qtplatform::DeviceContext& dc() { return dc_; }

private:
    qtplatform::DeviceContext& dc_;
};

}  // namespace trevalo
