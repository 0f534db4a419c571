#include "mapview/map_layers.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cstring>

#include "mapview/map_image_cache.h"

namespace trevalo {
namespace {

// One logical unit is one arc-second at zoom 1000 and a thousand at zoom 1.
constexpr int kArcSecondZoom = 1000;
constexpr int kWorldZoom = 1;

// Draws the map round a point into an image of one pixel per logical unit.
class MapLayersTest : public ::testing::Test {
protected:
    MapLayersTest() : layers_(database_) {}

    MapFrame FrameAround(int zoom, double x, double y) const {
        const qtplatform::Point c = MapProjection::ForScreen(zoom).ToLogical(x, y);
        return ScreenFrame(zoom, {c.x - half_, c.y + half_, c.x + half_, c.y - half_}, 1, {});
    }
    QImage Draw(const MapFrame& frame, const std::vector<CRoutePoint>& route) {
        QImage image(2 * half_, 2 * half_, QImage::Format_RGB32);
        // 254 dots per inch: one pixel per logical unit.
        image.setDotsPerMeterX(10000);
        image.setDotsPerMeterY(10000);
        QPainter painter(&image);
        qtplatform::DeviceContext dc(painter);
        PrepareMapDC(dc, frame);
        layers_.DrawStatic(dc, frame, std::nullopt);
        layers_.DrawRoute(dc, frame, route);
        return image;
    }
    QColor At(const QImage& image, const MapFrame& frame, double x, double y) const {
        const qtplatform::Point p = frame.projection.ToLogical(x, y);
        const ClipBox box = ClipBox::FromRect(frame.client);
        return image.pixelColor(p.x - box.minX, box.maxY - p.y);
    }
    static CRoutePoint Point(double x, double y, double type, const char* role = "") {
        CRoutePoint point;
        point.x = x;
        point.y = y;
        point.type = type;
        point.vorRole = role;
        return point;
    }

    NavDatabase database_{"C:\\Quillet\\"};
    MapLayers layers_;
    int half_ = 200;
};

const QColor kGreen(0, 255, 0);
const QColor kDarkGreen(0, 128, 0);
const QColor kBackground(201, 226, 231);

TEST_F(MapLayersTest, RouteAirportsJoinInGreenAndASecondVorInDarkGreen) {
    // Airport, VOR (role "VOR2"), airport: a green leg between the airports and a dark green
    // line from the first airport to the VOR. Positions away from the graticule.
    const double x0 = 150000, y0 = 50000;
    const std::vector<CRoutePoint> route = {Point(x0 - 100000, y0, kPointAirport),
                                            Point(x0, y0 + 100000, kPointVor, kVor2Role),
                                            Point(x0 + 100000, y0, kPointAirport)};
    const MapFrame frame = FrameAround(kWorldZoom, x0, y0 + 50000);
    const QImage image = Draw(frame, route);
    EXPECT_EQ(At(image, frame, x0, y0), kGreen);
    EXPECT_EQ(At(image, frame, x0 - 50000, y0 + 50000), kDarkGreen);
    EXPECT_EQ(At(image, frame, x0 + 50000, y0 + 50000), kBackground);
}

TEST_F(MapLayersTest, ALoneNdbGetsADiamondAndNoLeg) {
    const double x0 = 50000, y0 = 50000;
    const std::vector<CRoutePoint> route = {Point(x0 - 100000, y0, kPointAirport), Point(x0, y0, kPointNdb),
                                            Point(x0 + 100000, y0 + 20000, kPointAirport)};
    const MapFrame frame = FrameAround(kArcSecondZoom, x0, y0);
    const QImage image = Draw(frame, route);
    EXPECT_EQ(At(image, frame, x0 + 50, y0 + 50), kGreen);     // on the diamond's edge
    EXPECT_EQ(At(image, frame, x0 - 150, y0), kBackground);  // no leg to the NDB
}

TEST_F(MapLayersTest, RunwaysOfTheCellsInViewAreDrawnAndOthersAreNot) {
    AirportRecord airport;
    std::strcpy(airport.id, "KSPF");
    airport.x1 = 49900, airport.y1 = 50000, airport.x2 = 50100, airport.y2 = 50000;
    airport.x = 50000, airport.y = 50000;
    database_.airportGrid[GridCell(50000, 50000)].push_back(airport);
    // The same runway filed in a cell far away is not reached.
    AirportRecord stray = airport;
    stray.y1 = stray.y2 = 50100;
    database_.airportGrid[GridCell(-500000, -200000)].push_back(stray);
    const MapFrame frame = FrameAround(kArcSecondZoom, 50000, 50000);
    const QImage image = Draw(frame, {});
    EXPECT_EQ(At(image, frame, 50050, 50000), QColor(0, 0, 0));
    EXPECT_EQ(At(image, frame, 50050, 50100), kBackground);
}

TEST(MapImageCacheTest, DrawsAgainOnlyWhenTheFrameChanges) {
    MapImageCache cache;
    MapFrame frame = ScreenFrame(3, {0, 0, 300, -200}, 2, {});
    const auto draw = [](qtplatform::DeviceContext&, const MapFrame&) {};
    cache.Image(frame, QSize(100, 80), 96, std::nullopt, draw);
    cache.Image(frame, QSize(100, 80), 96, std::nullopt, draw);
    EXPECT_EQ(cache.DrawCount(), 1);
    frame.switches.airports = false;
    cache.Image(frame, QSize(100, 80), 96, std::nullopt, draw);
    EXPECT_EQ(cache.DrawCount(), 2);
    cache.Invalidate();
    cache.Image(frame, QSize(100, 80), 96, std::nullopt, draw);
    EXPECT_EQ(cache.DrawCount(), 3);
}

}  // namespace
}  // namespace trevalo
