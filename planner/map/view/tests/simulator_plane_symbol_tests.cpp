#include "mapview/simulator_plane_symbol.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <numbers>

#include "mapview/map_image_cache.h"

namespace trevalo {
namespace {

struct SymbolCase {
    double heading;
    int zoom;
    double size;  // arc-seconds per symbol unit
    int longTicks;
};

// Zoom 512 draws the symbol at one arc-second a unit, zoom 1024 at half of that.
const SymbolCase kSymbolCases[] = {
    {0, 512, 1.0, 3}, {90, 512, 1.0, 3}, {225, 512, 1.0, 2}, {0, 1024, 0.5, 3}, {90, 1024, 0.5, 3}, {225, 1024, 0.5, 2},
};

constexpr double kX = 36000, kY = 180000;

// The point at a distance along a heading from the plane.
std::pair<double, double> Along(double degrees, double length) {
    const double radians = degrees * std::numbers::pi / 180.0;
    return {kX + std::sin(radians) * length, kY + std::cos(radians) * length};
}

void ExpectStroke(const PlaneStroke& stroke, std::pair<double, double> from, std::pair<double, double> to) {
    EXPECT_NEAR(stroke.x1, from.first, 1e-6);
    EXPECT_NEAR(stroke.y1, from.second, 1e-6);
    EXPECT_NEAR(stroke.x2, to.first, 1e-6);
    EXPECT_NEAR(stroke.y2, to.second, 1e-6);
}

TEST(PlaneSymbolTest, OutlineTicksAndNoseFollowTheHeadingAndTheZoom) {
    for (const SymbolCase& test : kSymbolCases) {
        SCOPED_TRACE(testing::Message() << "heading " << test.heading << " zoom " << test.zoom);
        const double h = test.heading, k = test.size;
        const std::vector<PlaneStroke> strokes = PlaneSymbol({kX, kY, h}, test.zoom);
        ASSERT_EQ(strokes.size(), 3u + 15u + 1u);
        for (int i = 0; i < 3; ++i) EXPECT_FALSE(strokes[i].white);
        ExpectStroke(strokes[0], {kX, kY}, Along(h, 200 * k));
        ExpectStroke(strokes[1], Along(h - 35, 200 * k), Along(h + 35, 200 * k));
        ExpectStroke(strokes[2], Along(h - 35, 50 * k), Along(h + 35, 50 * k));
        int longTicks = 0;
        for (int tick = 0; tick < 15; ++tick) {
            const PlaneStroke& stroke = strokes[3 + tick];
            const double a = h - 35 + 5 * tick;
            const bool isLong = std::fmod(a, 30.0) == 0.0;
            longTicks += isLong ? 1 : 0;
            EXPECT_TRUE(stroke.white);
            ExpectStroke(stroke, Along(a, 300 * k), Along(a, (isLong ? 330 : 310) * k));
        }
        EXPECT_EQ(longTicks, test.longTicks);
        EXPECT_TRUE(strokes.back().white);
        ExpectStroke(strokes.back(), Along(h, 390 * k), {kX, kY});
    }
}

TEST(PlaneSymbolTest, SizeFactorStopsShrinkingAboveZoom3938) {
    EXPECT_DOUBLE_EQ(PlaneSizeFactor(1), 512.0);
    EXPECT_DOUBLE_EQ(PlaneSizeFactor(3938), 512.0 / 3938);
    EXPECT_GT(PlaneSizeFactor(3938), 0.13);
    EXPECT_DOUBLE_EQ(PlaneSizeFactor(3939), 0.13);
    EXPECT_DOUBLE_EQ(PlaneSizeFactor(725501), 0.13);
}

TEST(PlaneSymbolTest, PositionInDegreesBecomesArcSeconds) {
    EXPECT_EQ(PlanePositionFromDegrees(47.5, -122.25, 270), (PlanePosition{-440100, 171000, 270}));
}

// The symbol drawn into an image of one pixel per logical unit round the plane.
class PlaneDrawingTest : public testing::Test {
protected:
    static constexpr int kHalf = 300;
    QImage Draw(const PlanePosition& plane, int zoom) {
        const qtplatform::Point c = MapProjection::ForScreen(zoom).ToLogical(kX, kY);
        frame_ = ScreenFrame(zoom, {c.x - kHalf, c.y + kHalf, c.x + kHalf, c.y - kHalf}, 1, {});
        QImage image(2 * kHalf, 2 * kHalf, QImage::Format_RGB32);
        image.fill(Qt::gray);
        image.setDotsPerMeterX(10000);  // 254 dots per inch
        image.setDotsPerMeterY(10000);
        QPainter painter(&image);
        qtplatform::DeviceContext dc(painter);
        PrepareMapDC(dc, frame_);
        DrawSimulatorPlane(dc, frame_, plane);
        return image;
    }
    QColor At(const QImage& image, double x, double y) const {
        const qtplatform::Point p = frame_.projection.ToLogical(x, y);
        return image.pixelColor(p.x - frame_.client.left, frame_.client.top - p.y);
    }
    MapFrame frame_;
};

TEST_F(PlaneDrawingTest, BlackOutlineWithAWhiteNosePointingAlongTheHeading) {
    // At zoom 1000 one logical unit is one arc-second; the symbol is 0.512 of that a unit.
    const QImage image = Draw({kX, kY, 90}, 1000);
    const double k = 0.512;
    EXPECT_EQ(At(image, kX + 100 * k, kY), QColor(Qt::white));  // the white nose over the black one
    EXPECT_EQ(At(image, kX + 350 * k, kY), QColor(Qt::white));  // beyond the black nose
    // A quarter along the front bar from its right end.
    const auto right = Along(90 + 35, 200 * k), left = Along(90 - 35, 200 * k);
    EXPECT_EQ(At(image, (3 * right.first + left.first) / 4, (3 * right.second + left.second) / 4), QColor(Qt::black));
    EXPECT_EQ(At(image, kX - 100 * k, kY), QColor(Qt::gray));  // nothing behind the plane
}

TEST_F(PlaneDrawingTest, PlaneOutsideTheViewDrawsNothing) {
    const QImage image = Draw({kX + 100000, kY, 0}, 1000);
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7) ASSERT_EQ(image.pixelColor(x, y), QColor(Qt::gray));
}

}  // namespace
}  // namespace trevalo
