#include "maparithmetic/scroll_arithmetic.h"

#include <climits>
#include <cmath>

#include <gtest/gtest.h>

#include "maparithmetic/map_projection.h"

namespace trevalo {
namespace {

constexpr int kWorldX = 1296000;
constexpr int kWorldY = 684000;
constexpr int kLastOffsetFromCentring = kWorldX - 0x8000;

class ScrollArithmeticTest : public ::testing::Test {
protected:
    void SetUp() override {
        view_.SetClientPixels(1000, 500);
        view_.SetLargeScrollSizes(MappingMode::Text, kWorldX, kWorldY);
    }

    CourseScrollArithmetic view_;
};

TEST_F(ScrollArithmeticTest, CentringOnTheFullWidth) {
    struct Case {
        const char* what;
        int x;
        int offset;
        int position;
    };
    const Case cases[] = {
        {"middle of the world", 648000, 648000 - 0x4000, 0x4000 - 500},
        {"left of the client's centre", 100, 0, 0},
        {"inside the first half window", 10000, 0, 9500},
        {"within half a client of the right end", kWorldX - 200, kLastOffsetFromCentring, 0x7fff - 1000},
        {"inside the last half window", kWorldX - 10000, kLastOffsetFromCentring,
         kWorldX - 10000 + 0x8000 - kWorldX - 500},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        view_.CenterOnPoint({c.x, 1000});
        EXPECT_EQ(view_.windowOffset().x, c.offset);
        EXPECT_EQ(view_.scrollPosition().x, c.position);
    }
}

TEST_F(ScrollArithmeticTest, TheCentredPointIsTheClientCentre) {
    for (const LogicalPoint point :
         {LogicalPoint{648000, 342000}, LogicalPoint{20000, 600000}, LogicalPoint{1286000, 30000}}) {
        view_.CenterOnPoint(point);
        EXPECT_EQ(view_.GetClientCenter(), point);
        EXPECT_EQ(view_.ClientToLogical(500, 250), point);
    }
}

TEST_F(ScrollArithmeticTest, CentringReportsHowFarTheWindowMoved) {
    view_.CenterOnPoint({100, 100});
    EXPECT_EQ(view_.CenterOnPoint({648000, 100}), (LogicalSize{-(648000 - 0x4000), 0}));
}

TEST(ScrollArithmetic, YGrowsUpwardOutsideTheTextMode) {
    CourseScrollArithmetic view;
    view.SetClientPixels(1000, 500);
    view.SetLargeScrollSizes(MappingMode::LowMetric, kWorldX, kWorldY);
    view.CenterOnPoint({648000, -342000});
    EXPECT_EQ(view.windowOffset().y, 342000 - 0x4000);
    EXPECT_EQ(view.scrollPosition().y, 0x4000 - 250);
    EXPECT_EQ(view.GetClientCenter(), (LogicalPoint{648000, -342000}));
    EXPECT_EQ(view.GetOffsetScrollPosition(), (LogicalPoint{648000 - 500, -(342000 - 250)}));
    EXPECT_EQ(view.GetLogicalClientRect(), (LogicalRect{647500, -341750, 648500, -342250}));
}

TEST(ScrollArithmetic, ASmallWorldScrollsLikeThePlainScrollView) {
    CourseScrollArithmetic view;
    view.SetClientPixels(1000, 500);
    view.SetLargeScrollSizes(MappingMode::Text, 20000, 10000);
    EXPECT_FALSE(view.largeHorizontal());
    // First sizing centres the world.
    EXPECT_EQ(view.GetClientCenter(), (LogicalPoint{10000, 5000}));
    for (const int x : {100, 5000, 19900}) {
        view.CenterOnPoint({x, 100});
        EXPECT_EQ(view.windowOffset(), (LogicalPoint{0, 0}));
    }
    EXPECT_EQ(view.scrollPosition().x, 19000);
    EXPECT_FALSE(view.OnScroll(ScrollAxis::Horizontal, ScrollCode::LineDown));
    EXPECT_EQ(view.windowOffset(), (LogicalPoint{0, 0}));
}

TEST(ScrollArithmetic, ADocumentSmallerThanTheClientIsCentredInIt) {
    struct Case {
        const char* what;
        MappingMode mode;
        LogicalSize document;
        LogicalPoint position;  // negative on a centred axis
        LogicalPoint topLeft;   // the logical point at device (0, 0)
    };
    const Case cases[] = {
        {"narrower", MappingMode::Text, {600, 2000}, {-200, 750}, {-200, 750}},
        {"lower, y up", MappingMode::LowMetric, {3000, 300}, {1000, -100}, {1000, 100}},
        {"smaller both ways", MappingMode::Text, {400, 100}, {-300, -200}, {-300, -200}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CourseScrollArithmetic view;
        view.SetClientPixels(1000, 500);
        view.SetLargeScrollSizes(c.mode, c.document.cx, c.document.cy);
        EXPECT_EQ(view.scrollPosition(), c.position);
        EXPECT_EQ(view.ClientToLogical(0, 0), c.topLeft);
        // Neither scrolling nor centring moves a centred axis.
        view.OnScroll(ScrollAxis::Horizontal, ScrollCode::LineDown);
        view.OnScroll(ScrollAxis::Vertical, ScrollCode::PageDown);
        view.CenterOnPoint({c.document.cx / 2, c.mode == MappingMode::Text ? c.document.cy / 2 : -c.document.cy / 2});
        EXPECT_EQ(view.scrollPosition(), c.position);
    }
}

TEST_F(ScrollArithmeticTest, AZoomKeepsTheSameMapPointInTheMiddle) {
    view_.CenterOnPoint({400000, 300000});
    view_.SetLargeScrollSizes(MappingMode::Text, kWorldX * 2, kWorldY * 2);
    EXPECT_EQ(view_.GetClientCenter(), (LogicalPoint{800000, 600000}));
    EXPECT_EQ(view_.GetFullSize(), (LogicalSize{kWorldX * 2, kWorldY * 2}));
    view_.OnSize(1000, 500);
    EXPECT_EQ(view_.GetClientCenter(), (LogicalPoint{800000, 600000}));
}

// The map's zoom steps as the view makes them (metric mode at 96 dots per inch, a client
// area of a maximised window): centred on a place, zooming in and out keeps the same map
// point in the middle, within a pixel, wherever the place lies.
TEST(ScrollArithmetic, ZoomStepsKeepTheMapPointInTheMiddle) {
    constexpr double kUnitsPerPixel = 254.0 / 96;
    constexpr double kDeg = 3600.0;
    const struct {
        const char* what;
        double longitude, latitude;  // degrees
        int zoom;
    } places[] = {
        {"an airport at a band's zoom", 0.236, 51.886, 3173},
        {"the Go to Plane zoom", -122.3, 47.45, 64},
        {"east of the date line", 179.95, -16.0, 40000},
        {"west of the date line", -179.95, 65.0, 40000},
        {"near the north pole", 20.0, 89.9, 400},
        {"near the south pole", -100.0, -89.9, 400},
        {"near the largest zoom", 2.35, 48.85, kMaxZoom / 2},
    };
    for (const auto& place : places) {
        SCOPED_TRACE(place.what);
        CourseScrollArithmetic view;
        view.SetLogicalUnitsPerPixel(kUnitsPerPixel);
        view.SetClientPixels(1475, 994);
        int zoom = kUpdateZoom;
        const auto setZoom = [&](int newZoom) {
            zoom = newZoom;
            const platform::Size world = WorldSizeAtZoom(zoom);
            view.SetLargeScrollSizes(MappingMode::LowMetric, world.cx, world.cy);
        };
        const auto middle = [&] {
            const MapProjection projection = MapProjection::ForScreen(zoom);
            const LogicalPoint centre = view.GetClientCenter();
            return std::pair{projection.DeviceToLon(centre.x), projection.DeviceToLat(centre.y)};
        };
        setZoom(kUpdateZoom);
        setZoom(place.zoom);
        view.CenterOnPoint(MapProjection::ForScreen(zoom).ToLogical(place.longitude * kDeg, place.latitude * kDeg));
        const auto [x, y] = middle();
        ASSERT_NEAR(x, place.longitude * kDeg, 1000.0 * kUnitsPerPixel / zoom);
        for (const int step : {zoom * 2, zoom, zoom / 2, zoom}) {
            setZoom(step);
            const double pixel = 1000.0 * kUnitsPerPixel / zoom;  // arc-seconds
            const auto [nowX, nowY] = middle();
            EXPECT_NEAR(nowX, x, pixel) << "zoom " << zoom;
            EXPECT_NEAR(nowY, y, pixel) << "zoom " << zoom;
        }
    }
}

TEST_F(ScrollArithmeticTest, ScrollingPastAnEndStopsThereAndBeeps) {
    struct Case {
        const char* what;
        int centreX;
        ScrollCode code;
        bool beep;
        int offset;
    };
    const int line = 0x7fff / 10 / 10;
    const Case cases[] = {
        {"left end", 100, ScrollCode::LineUp, true, 0},
        {"left end, any direction", 100, ScrollCode::LineDown, true, 0},
        {"right end", kWorldX - 200, ScrollCode::LineDown, true, kWorldX - 0x7fff},
        {"inside the window", 648000, ScrollCode::LineDown, false, 648000 - 0x4000},
        {"end of scroll", 100, ScrollCode::EndScroll, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        view_.CenterOnPoint({c.centreX, 1000});
        EXPECT_EQ(view_.OnScroll(ScrollAxis::Horizontal, c.code), c.beep);
        EXPECT_EQ(view_.windowOffset().x, c.offset);
    }
    // At the start the window slides left by the step.
    view_.CenterOnPoint({648000, 1000});
    view_.OnScroll(ScrollAxis::Horizontal, ScrollCode::ThumbPosition, 0);
    EXPECT_FALSE(view_.OnScroll(ScrollAxis::Horizontal, ScrollCode::LineUp));
    EXPECT_EQ(view_.windowOffset().x, 648000 - 0x4000 - line);
    EXPECT_EQ(view_.scrollPosition().x, 0);
}

TEST_F(ScrollArithmeticTest, SizeToFitTakesTheLimitingSide) {
    view_.SetSizeToFit(kWorldX, kWorldY);
    EXPECT_EQ(view_.GetFullSize(), (LogicalSize{static_cast<int>(kWorldX * 500.0 / (kWorldY * 1.01)), 500}));
    view_.SetSizeToFit(1000, 100);
    EXPECT_EQ(view_.GetFullSize(), (LogicalSize{1000, static_cast<int>(100 * 1000 / (1000 * 1.01))}));
}

TEST_F(ScrollArithmeticTest, AZeroSpanChangesNothing) {
    for (const LogicalSize span : {LogicalSize{0, 100}, LogicalSize{100, 0}, LogicalSize{0, 0}}) {
        view_.SetSizeToFit(span.cx, span.cy);
        EXPECT_EQ(view_.GetFullSize(), (LogicalSize{kWorldX, kWorldY}));
    }
    // A world sized 0 and back does not divide by its remembered 0.
    view_.SetLargeScrollSizes(MappingMode::Text, 0, 0);
    view_.SetLargeScrollSizes(MappingMode::Text, kWorldX, kWorldY);
    EXPECT_EQ(view_.GetFullSize(), (LogicalSize{kWorldX, kWorldY}));
}

TEST(ScrollArithmetic, MulDivRoundsHalfAwayFromZero) {
    const struct {
        int a, b, c, result;
    } cases[] = {{10, 3, 4, 8}, {-10, 3, 4, -8},    {10, -3, 4, -8}, {7, 1, 2, 4}, {648000, 2592000, 1296000, 1296000},
                 {5, 5, 0, -1}, {INT_MAX, 2, 1, -1}};
    for (const auto& c : cases) {
        EXPECT_EQ(platform::MulDiv(c.a, c.b, c.c), c.result) << c.a << " " << c.b << " " << c.c;
    }
}

}  // namespace
}  // namespace trevalo
