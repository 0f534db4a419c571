#include "qtplatform/device_context.h"

#include <gtest/gtest.h>

#include <QImage>
#include <optional>
#include <utility>

namespace qtplatform {
namespace {

constexpr int kDotsPerMetreAt254Dpi = 10000;  // one pixel per 0.1 mm
constexpr ColorRef kWhite = Rgb(255, 255, 255);
constexpr ColorRef kRed = Rgb(255, 0, 0);
constexpr ColorRef kBlue = Rgb(0, 0, 255);

// A white image and a device context on it; dpi chooses how big 0.1 mm is.
class Canvas : public ::testing::Test {
protected:
    void Open(int dotsPerMetre = kDotsPerMetreAt254Dpi) {
        image_ = QImage(100, 100, QImage::Format_RGB32);
        image_.setDotsPerMeterX(dotsPerMetre);
        image_.setDotsPerMeterY(dotsPerMetre);
        image_.fill(Qt::white);
        painter_.emplace(&image_);
        dc_.emplace(*painter_);
    }
    // The raster painter draws straight into the image, so it can be read while open.
    ColorRef Pixel(int x, int y) const {
        const QColor c = std::as_const(image_).pixelColor(x, y);
        return Rgb(c.red(), c.green(), c.blue());
    }

    QImage image_;
    std::optional<QPainter> painter_;
    std::optional<DeviceContext> dc_;
};

TEST_F(Canvas, ConvertsBetweenLogicalAndDeviceUnits) {
    struct Case {
        MapMode mode;
        Point windowOrg, viewportOrg, logical, device;
    };
    const Case cases[] = {
        {MapMode::Text, {0, 0}, {0, 0}, {12, 34}, {12, 34}},
        {MapMode::Text, {10, 20}, {5, 5}, {12, 34}, {7, 19}},
        {MapMode::LoMetric, {0, 0}, {0, 0}, {12, -34}, {12, 34}},  // y grows upward
        {MapMode::LoMetric, {100, -100}, {0, 0}, {112, -134}, {12, 34}},
        {MapMode::LoMetric, {0, 0}, {50, 50}, {10, 10}, {60, 40}},
    };
    Open();
    for (const Case& c : cases) {
        dc_->SetMapMode(c.mode);
        dc_->SetWindowOrg(c.windowOrg);
        dc_->SetViewportOrg(c.viewportOrg);
        EXPECT_EQ(dc_->LPtoDP(c.logical), c.device) << c.logical.x << "," << c.logical.y;
        EXPECT_EQ(dc_->DPtoLP(c.device), c.logical) << c.device.x << "," << c.device.y;
    }
}

TEST_F(Canvas, MetricModeRoundsAsMulDivAt96Dpi) {
    Open(3780);  // 96 dpi
    dc_->SetMapMode(MapMode::LoMetric);
    // 100 x 96 / 254 = 37.8 -> 38; 13 x 96 / 254 = 4.91 -> 5
    EXPECT_EQ(dc_->LPtoDP(Point{100, -13}), (Point{38, 5}));
    EXPECT_EQ(dc_->LPtoDP(Size{254, 254}), (Size{96, 96}));
    EXPECT_EQ(dc_->DPtoLP(Point{38, 5}), (Point{101, -13}));
}

TEST_F(Canvas, RectangleFillsWithTheBrushUnlessHollow) {
    Open();
    dc_->SelectPen(Pen{PenStyle::Solid, 0, kRed});
    dc_->SelectBrush(Brush{BrushStyle::Solid, kBlue});
    dc_->Rectangle(Rect{10, 10, 30, 30});
    dc_->SelectBrush(Brush{BrushStyle::Hollow, kBlue});
    dc_->Rectangle(Rect{50, 10, 70, 30});
    EXPECT_EQ(Pixel(10, 20), kRed);    // border
    EXPECT_EQ(Pixel(20, 20), kBlue);   // filled inside
    EXPECT_EQ(Pixel(30, 20), kWhite);  // right edge is outside
    EXPECT_EQ(Pixel(50, 20), kRed);
    EXPECT_EQ(Pixel(60, 20), kWhite);  // hollow inside
}

TEST_F(Canvas, MetricLinesDrawUpwardFromTheOrigin) {
    Open();
    dc_->SetMapMode(MapMode::LoMetric);
    dc_->SetViewportOrg(Point{0, 100});  // logical (0, 0) at the bottom-left corner
    dc_->SelectPen(Pen{PenStyle::Solid, 0, kRed});
    dc_->MoveTo(Point{20, 10});
    dc_->LineTo(Point{20, 60});
    EXPECT_EQ(Pixel(20, 60), kRed);  // logical y 40 is device row 60
    EXPECT_EQ(Pixel(20, 30), kWhite);
    EXPECT_EQ(dc_->GetCurrentPosition(), (Point{20, 60}));
}

TEST_F(Canvas, ClippingKeepsDrawingInsideTheRectangle) {
    Open();
    dc_->IntersectClipRect(Rect{0, 0, 50, 100});
    dc_->FillSolidRect(Rect{0, 0, 100, 100}, kBlue);
    EXPECT_EQ(Pixel(40, 40), kBlue);
    EXPECT_EQ(Pixel(60, 40), kWhite);
    dc_->ResetClip();
    dc_->FillSolidRect(Rect{0, 0, 100, 100}, kRed);
    EXPECT_EQ(Pixel(60, 40), kRed);
}

TEST_F(Canvas, TextBackgroundIsPaintedOnlyWhenOpaque) {
    Open();
    dc_->SelectFont(Font{"DejaVu Sans", 20, kFontWeightBold, false});
    dc_->SetBkColor(kBlue);
    dc_->SetBkMode(BackgroundMode::Opaque);
    dc_->TextOut(Point{0, 0}, ".");  // a dot leaves the top of its cell bare
    dc_->SetBkMode(BackgroundMode::Transparent);
    dc_->TextOut(Point{0, 50}, ".");
    EXPECT_EQ(Pixel(1, 1), kBlue);
    EXPECT_EQ(Pixel(1, 51), kWhite);
}

TEST_F(Canvas, TextAlignmentPlacesTheReferencePoint) {
    Open();
    dc_->SelectFont(Font{"DejaVu Sans", 20, 0, false});
    const Size extent = dc_->GetTextExtent("MMM");
    ASSERT_GT(extent.cx, 10);
    dc_->SetBkColor(kBlue);
    dc_->SetTextAlign(TextAlign{HorizontalAlign::Right, VerticalAlign::Bottom});
    dc_->TextOut(Point{90, 90}, "MMM");  // the box ends at the reference point
    EXPECT_EQ(Pixel(90 - extent.cx + 1, 90 - extent.cy + 1), kBlue);
    EXPECT_EQ(Pixel(91, 89), kWhite);
    EXPECT_EQ(Pixel(89, 91), kWhite);
}

TEST_F(Canvas, SelectingReturnsThePreviousObject) {
    Open();
    const Pen first{PenStyle::Dot, 3, kRed};
    dc_->SelectPen(first);
    const Pen previous = dc_->SelectPen(Pen{});
    EXPECT_EQ(previous.style, PenStyle::Dot);
    EXPECT_EQ(previous.width, 3);
    EXPECT_EQ(previous.color, kRed);
    EXPECT_EQ(dc_->SetTextColor(kBlue), Rgb(0, 0, 0));
}

}  // namespace
}  // namespace qtplatform
