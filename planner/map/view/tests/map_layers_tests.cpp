#include "mapview/map_layers.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cstring>

#include "map/angle_text.h"
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
    QImage Draw(const MapFrame& frame, const std::vector<CRoutePoint>& route,
                const std::optional<PlanePosition>& plane = std::nullopt) {
        QImage image(2 * half_, 2 * half_, QImage::Format_RGB32);
        // 254 dots per inch: one pixel per logical unit.
        image.setDotsPerMeterX(10000);
        image.setDotsPerMeterY(10000);
        QPainter painter(&image);
        layers_.DrawStatic(painter, frame, std::nullopt);
        layers_.DrawLabels(painter, frame, std::nullopt, LabelPrioritiesFor(route, plane));
        qtplatform::DeviceContext dc(painter);
        PrepareMapDC(dc, frame);
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
    EXPECT_EQ(At(image, frame, x0 + 50, y0 + 50), kGreen);   // on the diamond's edge
    EXPECT_EQ(At(image, frame, x0 - 150, y0), kBackground);  // no leg to the NDB
}

TEST_F(MapLayersTest, TheTripsPointsGetCirclesFromZoom59) {
    const double x0 = 50000, y0 = 50000;
    // The page's longitudes count west-positive.
    const auto entry = [](double x, double y) {
        return RouteListEntry{"P", "U", FormatLatLon(y / 3600, true), FormatLatLon(-x / 3600, false)};
    };
    const std::vector<RouteListEntry> trip = {entry(x0, y0), entry(x0 + 30000, y0)};
    const QColor red(255, 0, 0);
    for (const int zoom : {58, 59}) {
        SCOPED_TRACE(zoom);
        const MapFrame frame = FrameAround(zoom, x0, y0);
        QImage image = Draw(frame, {});
        {
            QPainter painter(&image);
            qtplatform::DeviceContext dc(painter);
            PrepareMapDC(dc, frame);
            layers_.DrawRouteMarks(dc, frame, trip);
        }
        const double logicalUnit = 1000.0 / zoom;                      // arc-seconds
        EXPECT_EQ(At(image, frame, x0 + 100 * logicalUnit, y0), red);  // the line east
        // The circle's radius is 10 units: its top above the first point.
        EXPECT_EQ(At(image, frame, x0, y0 + 10 * logicalUnit) == red, zoom == 59);
    }
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

// The South Pole's runway, whose ends lie 73 degrees of longitude apart where the
// longitudes meet, and a record whose ends lie 7 degrees apart: neither is a line across
// the map, each is the airport's mark.
TEST_F(MapLayersTest, ARunwayWhoseEndsLieFarApartIsDrawnAsTheAirportsMark) {
    constexpr double kDeg = 3600.0;
    struct Case {
        const char* what;
        MapPoint end1, end2, reference;
    };
    const Case cases[] = {
        {"at the pole",
         {-150.06 * kDeg, -89.966 * kDeg},
         {-77.07 * kDeg, -89.995 * kDeg},
         {-113.5 * kDeg, -89.99 * kDeg}},
        {"wrong ends", {-3.79 * kDeg, 40.37 * kDeg}, {3.78 * kDeg, 40.37 * kDeg}, {-3.5 * kDeg, 40.45 * kDeg}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        AirportRecord airport;
        std::strcpy(airport.id, "ZZZZ");
        airport.x1 = c.end1.longitude, airport.y1 = c.end1.latitude;
        airport.x2 = c.end2.longitude, airport.y2 = c.end2.latitude;
        airport.x = c.reference.longitude, airport.y = c.reference.latitude;
        for (auto& cell : database_.airportGrid) cell.clear();
        database_.airportGrid[GridCell(airport.x, airport.y)].push_back(airport);
        const double midX = (airport.x1 + airport.x2) / 2, midY = (airport.y1 + airport.y2) / 2;
        const MapFrame across = FrameAround(kArcSecondZoom, midX, midY);
        const QImage image = Draw(across, {});
        bool line = false;
        for (int d = -2; d <= 2; ++d) line = line || At(image, across, midX, midY + d) == QColor(0, 0, 0);
        EXPECT_FALSE(line);
        const MapFrame mark = FrameAround(kArcSecondZoom, airport.x, airport.y);
        EXPECT_EQ(At(Draw(mark, {}), mark, airport.x + 5, airport.y), QColor(0, 0, 0));  // the square's side
    }
}

// Whether anything but the background lies in a box of pixels right of and below a world
// point, where a label written at that point goes.
bool InkBelowRight(const QImage& image, const MapFrame& frame, double x, double y, int right, int down) {
    const qtplatform::Point p = frame.projection.ToLogical(x, y);
    const ClipBox box = ClipBox::FromRect(frame.client);
    constexpr int kClearOfLines = 3;  // pixels between the point's own lines and the box
    for (int dx = kClearOfLines; dx < right; ++dx) {
        for (int dy = kClearOfLines; dy < down; ++dy) {
            const int px = p.x - box.minX + dx, py = box.maxY - p.y + dy;
            if (image.valid(px, py) && image.pixelColor(px, py) != kBackground) return true;
        }
    }
    return false;
}

TEST_F(MapLayersTest, LabelsAndBeamsAppearAboveTheirZooms) {
    const double x0 = 50000, y0 = 50000;
    AirportRecord airport;
    std::strcpy(airport.id, "WWWW");
    airport.x = x0, airport.y = y0;
    airport.x1 = x0 - 10, airport.y1 = y0, airport.x2 = x0 + 10, airport.y2 = y0;
    airport.heading = 90;
    database_.airportGrid[GridCell(x0, y0)].push_back(airport);
    // A beam west of an ILS east of the airport; entry 0 of the list is unused.
    const double ilsX = x0 + 2000;
    IlsRecord ils;
    ils.type = 4;
    ils.heading = 90;
    ils.x = ilsX, ils.y = y0;
    std::strcpy(ils.id, "IWWW");
    database_.ils = {IlsRecord{}, ils};
    const QColor green(0, 255, 0);

    // The ILS ident follows the airport idents, also with the beams switched off.
    enum class Look { Ident, RunwayNumber, Beam, IlsIdentWithoutBeams };
    struct Case {
        Look look;
        int zoom;
        bool shown;
    };
    const Case cases[] = {
        {Look::Ident, 51, false},
        {Look::Ident, 52, true},
        {Look::Beam, 52, false},
        {Look::Beam, 53, true},
        {Look::RunwayNumber, 8191, false},
        {Look::RunwayNumber, 8192, true},
        {Look::IlsIdentWithoutBeams, 53, true},
    };
    for (const Case& c : cases) {
        const bool atIls = c.look == Look::Beam || c.look == Look::IlsIdentWithoutBeams;
        MapFrame frame = FrameAround(c.zoom, atIls ? ilsX : x0, y0);
        // Runway numbers are looked for apart from the ident.
        frame.switches.airportIds = c.look != Look::RunwayNumber;
        frame.switches.ils = c.look != Look::IlsIdentWithoutBeams;
        const QImage image = Draw(frame, {});
        bool shown = false;
        switch (c.look) {
            case Look::Ident:
                shown = InkBelowRight(image, frame, x0, y0, 60, 40);
                break;
            case Look::RunwayNumber:
                shown = InkBelowRight(image, frame, airport.x2, y0, 40, 40);
                break;
            case Look::Beam:
                shown = At(image, frame, ilsX - 350, y0) == green;
                break;
            case Look::IlsIdentWithoutBeams:
                shown = InkBelowRight(image, frame, ilsX, y0, 60, 40);
                break;
        }
        EXPECT_EQ(shown, c.shown) << static_cast<int>(c.look) << " at zoom " << c.zoom;
    }
}

// The hue of the ink in the box where a label written at a world point goes: black, blue
// or green text, or none.
enum class Ink { None, Black, Blue, Green, Mixed };
Ink LabelInk(const QImage& image, const MapFrame& frame, double x, double y) {
    const qtplatform::Point p = frame.projection.ToLogical(x, y);
    const ClipBox box = ClipBox::FromRect(frame.client);
    constexpr int kClearOfSymbol = 3, kRight = 80, kDown = 50, kHue = 60;
    bool black = false, blue = false, green = false;
    for (int dx = kClearOfSymbol; dx < kRight; ++dx) {
        for (int dy = kClearOfSymbol; dy < kDown; ++dy) {
            const QColor c = image.pixelColor(p.x - box.minX + dx, box.maxY - p.y + dy);
            black = black || (c.red() < 100 && c.green() < 100 && c.blue() < 100);
            blue = blue || c.blue() > std::max(c.red(), c.green()) + kHue;
            green = green || c.green() > std::max(c.red(), c.blue()) + kHue;
        }
    }
    if (black + blue + green > 1) return Ink::Mixed;
    return black ? Ink::Black : blue ? Ink::Blue : green ? Ink::Green : Ink::None;
}

// An airport, a VOR and an NDB so close that their idents would print over each other.
TEST_F(MapLayersTest, OneIdentOfThoseThatWouldOverlapIsWrittenTheRouteFirst) {
    const double x0 = 50000, y0 = 50000, zoom = 100;  // a tenth of a logical unit per arc-second
    AirportRecord airport;
    std::strcpy(airport.id, "AAA");
    airport.x = airport.x1 = airport.x2 = x0;
    airport.y = airport.y1 = airport.y2 = y0;
    database_.airportGrid[GridCell(x0, y0)].push_back(airport);
    const auto navaid = [&](const char* id, double type, double dx, double dy) {
        NavaidRecord record;
        std::strcpy(record.id, id);
        record.type = type;
        record.x = x0 + dx, record.y = y0 + dy;
        database_.navaidGrid[GridCell(record.x, record.y)].push_back(record);
    };
    navaid("VVV", 1, 0, 0);
    navaid("NNN", 2, -30, 30);  // 3 units left of and above the others
    const auto routeOf = [](const char* ident) {
        CRoutePoint point = Point(0, 0, kPointVor);
        point.ident = ident;
        return std::vector<CRoutePoint>{point};
    };
    struct Case {
        const char* what;
        std::vector<CRoutePoint> route;
        std::optional<PlanePosition> plane;
        Ink ink;
    };
    const Case cases[] = {
        {"airports before navaids", {}, std::nullopt, Ink::Black},
        {"a route VOR first", routeOf("VVV"), std::nullopt, Ink::Blue},
        {"a route NDB first", routeOf("NNN"), std::nullopt, Ink::Green},
        {"none over the plane", routeOf("VVV"), PlanePosition{x0 + 100, y0 - 100, 90}, Ink::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MapFrame frame = FrameAround(zoom, x0, y0);
        frame.switches.radials = false;  // small navaid symbols, clear of the idents
        EXPECT_EQ(LabelInk(Draw(frame, c.route, c.plane), frame, x0, y0), c.ink);
    }
}

// A strip and a large airport whose idents would overlap: the one whose longest runway is
// longer is written, whichever comes first in the database.
TEST_F(MapLayersTest, OfTwoAirportsWhoseIdentsWouldOverlapTheLargerIsWritten) {
    const double x0 = 50000, y0 = 50000;
    const int zoom = 100;  // a tenth of a logical unit per arc-second
    const auto airport = [&](const char* id, double x, double length) {
        AirportRecord record;
        std::strcpy(record.id, id);
        record.x = record.x1 = record.x2 = x;
        record.y = record.y1 = record.y2 = y0;
        record.length = length;
        database_.airportGrid[GridCell(x, y0)].push_back(record);
    };
    airport("STRP", x0 - 200, 600);  // 20 pixels west
    airport("BIGG", x0, 3000);
    airport("BIGG", x0, 12000);  // its second runway
    const MapFrame frame = FrameAround(zoom, x0, y0);
    const QImage image = Draw(frame, {});
    const qtplatform::Point big = frame.projection.ToLogical(x0, y0);
    const ClipBox box = ClipBox::FromRect(frame.client);
    const auto inkInColumns = [&](int from, int to) {
        for (int x = from; x < to; ++x)
            for (int y = 3; y < 50; ++y)
                if (image.pixelColor(big.x - box.minX + x, box.maxY - big.y + y) != kBackground) return true;
        return false;
    };
    EXPECT_FALSE(inkInColumns(-17, -2));  // the strip's ident
    EXPECT_TRUE(inkInColumns(3, 60));     // the large airport's
}

TEST_F(MapLayersTest, AnIlsBeamReachesTheViewFromAColumnOutsideIt) {
    // The view ends west of the 10-degree meridian at 36000; the ILS lies east of it, in a
    // column out of view but in a row in view, its beam pointing west into the view.
    const double y0 = 50000;
    IlsRecord ils;
    ils.type = 4;
    ils.heading = 90;
    ils.x = 36100, ils.y = y0;
    database_.ils = {IlsRecord{}, ils};
    const MapFrame frame = FrameAround(kArcSecondZoom, 35600, y0);
    const QImage image = Draw(frame, {});
    EXPECT_EQ(At(image, frame, 35700, y0), QColor(0, 255, 0));
}

// A land with a lake taken in by a bridge from its northern coast: the lake is water, the
// bridge no coast.
TEST_F(MapLayersTest, ALakeJoinedByABridgeShowsAsWaterWithoutTheBridge) {
    const double x0 = 20000, y0 = 20000;  // away from the graticule
    const auto at = [&](double dx, double dy) { return MapPoint{x0 + dx, y0 + dy}; };
    MapShape shape;
    shape.points = {at(-300, -300), at(300, -300), at(300, 300),   at(50, 300),   at(50, 150),
                    at(150, 150),   at(150, -150), at(-150, -150), at(-150, 150), at(50, 150),
                    at(50, 300),    at(-300, 300), at(-300, -300)};
    shape.minLongitude = shape.minLatitude = shape.maxLongitude = shape.maxLatitude = 0;
    shape.FindSeams();
    database_.mapShapes = {shape};
    const MapFrame frame = FrameAround(500, x0, y0);  // half a logical unit per arc-second
    const QImage image = Draw(frame, {});
    const QColor land(192, 160, 111), black(0, 0, 0);
    EXPECT_EQ(At(image, frame, x0, y0), kBackground);
    EXPECT_EQ(At(image, frame, x0 - 250, y0), land);
    const auto blackNear = [&](double x, double y) {
        for (int d = -6; d <= 6; ++d)
            if (At(image, frame, x + d, y) == black) return true;
        return false;
    };
    EXPECT_FALSE(blackNear(x0 + 50, y0 + 225));  // the bridge
    EXPECT_TRUE(blackNear(x0 - 300, y0));        // the coast
    EXPECT_TRUE(blackNear(x0 + 150, y0));        // the lake's shore
}

// A land whose bridge to its lake runs aslant out of the view: where the clipping cuts the
// bridge, its two ways must stay a bridge and draw no coast in view.
TEST_F(MapLayersTest, ABridgeCutByTheViewsEdgeIsNoCoast) {
    const double x0 = 20000, y0 = 20000;  // away from the graticule
    const auto at = [&](double dx, double dy) { return MapPoint{x0 + dx, y0 + dy}; };
    MapShape shape;
    shape.points = {at(-1000, -1000), at(1000, -1000), at(1000, 1000),  at(60, 1000),  at(10, 150),
                    at(150, 150),     at(150, -150),   at(-150, -150),  at(-150, 150), at(10, 150),
                    at(60, 1000),     at(-1000, 1000), at(-1000, -1000)};
    shape.minLongitude = shape.minLatitude = shape.maxLongitude = shape.maxLatitude = 0;
    shape.FindSeams();
    database_.mapShapes = {shape};
    const QColor black(0, 0, 0);
    // Views whose top edges cut the bridge at several heights.
    for (const double top : {600.0, 650.0, 700.0, 750.0, 800.0}) {
        SCOPED_TRACE(top);
        const MapFrame frame = FrameAround(500, x0, y0 + top - 400);  // 400 arc-seconds to the top
        const QImage image = Draw(frame, {});
        for (double y = 200; y < top - 10; y += 10) {
            const double x = 10 + 50 * (y - 150) / 850;  // on the bridge
            for (int d = -4; d <= 4; ++d) EXPECT_NE(At(image, frame, x0 + x + d, y0 + y), black) << y;
        }
    }
}

// A spit of land one point wide, whose two sides meet on the map's units though not in the
// data: it is coast, drawn as a line, and no bridge.
TEST_F(MapLayersTest, ASpitOfLandNarrowerThanAUnitIsCoast) {
    const double x0 = 20000, y0 = 20000;  // away from the graticule
    const auto at = [&](double dx, double dy) { return MapPoint{x0 + dx, y0 + dy}; };
    MapShape shape;
    shape.points = {at(-100, -100), at(100, -100), at(100, 100), at(0.4, 100), at(0, 200), at(0, 100), at(-100, 100)};
    shape.minLongitude = shape.minLatitude = shape.maxLongitude = shape.maxLatitude = 0;
    shape.FindSeams();
    database_.mapShapes = {shape};
    const MapFrame frame = FrameAround(kArcSecondZoom, x0, y0 + 100);
    const QImage image = Draw(frame, {});
    EXPECT_EQ(At(image, frame, x0, y0 + 150), QColor(0, 0, 0));
}

// Land outlines close along the world's edges: round the south pole, and where an island
// is cut at the date line. Neither edge is coast.
TEST_F(MapLayersTest, EdgesAlongThePoleAndTheDateLineAreNoCoast) {
    constexpr double kDeg = 3600.0;
    constexpr double kPole = -89.999 * kDeg;  // where the world atlas closes the south pole
    const QColor black(0, 0, 0);
    struct Case {
        const char* what;
        std::vector<MapPoint> points;
        MapPoint seam, coast;  // a point on the closing edge and one on the coast
        bool alongX;           // the seam runs east-west
    };
    const Case cases[] = {
        {"south pole",
         {{4.95 * kDeg, -89.95 * kDeg}, {5.05 * kDeg, -89.95 * kDeg}, {5.05 * kDeg, kPole}, {4.95 * kDeg, kPole}},
         {5 * kDeg, kPole},
         {4.99 * kDeg, -89.95 * kDeg},
         true},
        {"date line",
         {{179.95 * kDeg, -16.05 * kDeg},
          {180 * kDeg, -16.05 * kDeg},
          {180 * kDeg, -16.15 * kDeg},
          {179.95 * kDeg, -16.15 * kDeg}},
         {180 * kDeg, -16.1 * kDeg},
         {179.97 * kDeg, -16.05 * kDeg},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MapShape shape;
        shape.points = c.points;
        shape.minLongitude = -18, shape.maxLongitude = 18, shape.minLatitude = -9, shape.maxLatitude = 9;
        database_.mapShapes = {shape};
        const MapFrame frame = FrameAround(kArcSecondZoom, c.seam.longitude - 100, c.seam.latitude + 100);
        const QImage image = Draw(frame, {});
        // The outline is 3 units wide; the graticule's grey lies a few units off the seam.
        const auto blackAcross = [&](const MapPoint& at) {
            for (int d = -4; d <= 4; ++d) {
                const double x = at.longitude + (c.alongX ? 0 : d), y = at.latitude + (c.alongX ? d : 0);
                if (At(image, frame, x, y) == black) return true;
            }
            return false;
        };
        EXPECT_FALSE(blackAcross(c.seam));
        EXPECT_TRUE(blackAcross(c.coast));
    }
}

TEST(MapImageCacheTest, TheIdentsAloneAreWrittenAgainWhenWhatTheyGiveWayToChanges) {
    MapImageCache cache;
    MapFrame frame = ScreenFrame(100, {0, 0, 300, -200}, 2, {});
    int labelled = 0;
    const auto draw = [](QPainter&, const MapFrame&) {};
    const auto label = [&](QPainter&, const MapFrame&) { ++labelled; };
    CRoutePoint point;
    point.ident = "KSPF";
    const std::vector<CRoutePoint> route{point};
    const struct {
        const char* what;
        LabelPriorities priorities;
        bool frameMoves;
        int draws, labelDraws;
    } steps[] = {
        {"first", {}, false, 1, 1},
        {"unchanged", {}, false, 1, 1},
        {"a route point added", LabelPrioritiesFor(route, std::nullopt), false, 1, 2},
        {"the plane moved", LabelPrioritiesFor(route, PlanePosition{1, 2, 3}), false, 1, 3},
        {"the map scrolled", LabelPrioritiesFor(route, PlanePosition{1, 2, 3}), true, 2, 4},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        if (step.frameMoves) frame.client = {10, 0, 310, -200};
        cache.Image(frame, QSize(100, 80), 96, std::nullopt, draw, step.priorities, label);
        EXPECT_EQ(cache.DrawCount(), step.draws);
        EXPECT_EQ(cache.LabelDrawCount(), step.labelDraws);
        EXPECT_EQ(labelled, step.labelDraws);
    }
}

TEST(MapImageCacheTest, DrawsAgainOnlyWhenTheFrameChanges) {
    MapImageCache cache;
    MapFrame frame = ScreenFrame(3, {0, 0, 300, -200}, 2, {});
    const auto draw = [](QPainter&, const MapFrame&) {};
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
