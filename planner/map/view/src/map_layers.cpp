#include "mapview/map_layers.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "map/runway_numbers.h"
#include "map_canvas.h"
#include "map_labels.h"
#include "map_markers.h"
#include "shape_outline.h"

namespace trevalo {
namespace {

using namespace map_colors;
using map_detail::MapCanvas;
using qtplatform::Point;

constexpr int kShapePenWidth = 3;
constexpr int kGraticuleStep = 10;
constexpr int kMaxGraticuleLatitude = 90;
constexpr int kMaxGraticuleLongitude = 180;
constexpr double kMapEdgeLatitude = 95.0;
constexpr double kArcSecondsPerDegree = 3600.0;
constexpr double kHelipadHalfSide = 5.0;
// A runway line reaches at most a degree across the map. Ends farther apart are the
// South Pole's, where the longitudes meet, or a record's wrong ends: such a line would
// cross the map, and the airport is drawn as its mark.
constexpr double kLongestRunwayLine = 3600.0;  // arc-seconds
constexpr int kCenterColumn = 17;
constexpr int kCenterRow = 8;
// Shapes are clipped this many pixels outside the client area, so that the outline drawn
// along the clipped edge stays out of sight.
constexpr int kShapeClipPixels = 4;

bool DrawnAsMark(const AirportRecord& airport) {
    return airport.runway == 'H' || std::abs(airport.x2 - airport.x1) > kLongestRunwayLine ||
           std::abs(airport.y2 - airport.y1) > kLongestRunwayLine;
}

// A runway as a line between its ends, or the airport's mark.
template <class Lines>
void DrawRunway(Lines& lines, const AirportRecord& airport) {
    if (DrawnAsMark(airport)) {
        map_detail::DrawSquare(lines, airport.x, airport.y, kHelipadHalfSide);
    } else {
        lines.WorldLine(airport.x1, airport.y1, airport.x2, airport.y2);
    }
}

// World lines gathered in device pixels instead of drawn.
struct DeviceLines {
    const MapCanvas& canvas;
    std::vector<QLine> lines;
    void WorldLine(double x1, double y1, double x2, double y2) {
        if (const std::optional<QLine> line = canvas.DeviceLine(x1, y1, x2, y2)) lines.push_back(*line);
    }
};

bool ShapeInView(const MapShape& shape, const VisibleCells& cells) {
    return shape.maxLongitude + kCenterColumn >= cells.firstColumn &&
           shape.minLongitude + kCenterColumn <= cells.lastColumn && shape.maxLatitude + kCenterRow >= cells.firstRow &&
           shape.minLatitude + kCenterRow <= cells.lastRow;
}

template <class Record, class Draw>
void ForEachInCells(const Grid<Record>& grid, const VisibleCells& cells, Draw draw) {
    for (int column = cells.firstColumn; column <= cells.lastColumn; ++column) {
        for (int row = cells.firstRow; row <= cells.lastRow; ++row) {
            for (const Record& record : grid[column * kGridRows + row]) draw(record);
        }
    }
}

}  // namespace

MapFrame ScreenFrame(int zoom, const qtplatform::Rect& client, int pixelMargin, const DisplaySwitches& switches) {
    MapFrame frame;
    frame.projection = MapProjection::ForScreen(zoom);
    frame.zoom = zoom;
    frame.client = client;
    const ClipBox box = ClipBox::FromRect(client);
    frame.visible = {box.minX - pixelMargin, box.maxY + pixelMargin, box.maxX + pixelMargin, box.minY - pixelMargin};
    frame.pixelMargin = std::max(1, pixelMargin);
    frame.switches = switches;
    return frame;
}

void MapLayers::DrawStatic(QPainter& painter, const MapFrame& frame,
                           const std::optional<qtplatform::Font>& labelFont) const {
    MapCanvas canvas(painter, frame, labelFont);
    canvas.Dc().FillSolidRect(frame.visible, kBackground);
    DrawMapShapes(canvas);
    DrawGraticule(canvas);
    if (frame.switches.airports) DrawAirports(canvas);
    DrawNavaids(canvas);
    if (frame.zoom > kIlsZoom) DrawIlsCones(canvas);
}

void MapLayers::DrawMapShapes(MapCanvas& canvas) const {
    const MapFrame& frame = canvas.Frame();
    canvas.SelectPen({qtplatform::PenStyle::Solid, kShapePenWidth, kBlack});
    canvas.Dc().SelectBrush({qtplatform::BrushStyle::Solid, kLand});
    const VisibleCells cells = GetVisibleCells(frame.projection, frame.client);
    const ClipBox client = ClipBox::FromRect(frame.client);
    const int widen = kShapeClipPixels * frame.pixelMargin;
    const ClipBox box{client.minX - widen, client.minY - widen, client.maxX + widen, client.maxY + widen};
    const WorldEdges edges = WorldEdges::At(frame.projection, frame.pixelMargin);
    LandBuffers buffers;
    for (const MapShape& shape : database_.mapShapes) {
        if (ShapeInView(shape, cells)) DrawLandShape(canvas, shape, box, edges, buffers);
    }
}

void MapLayers::DrawGraticule(MapCanvas& canvas) const {
    const qtplatform::Pen grey{qtplatform::PenStyle::Solid, 0, kGraticule};
    const qtplatform::Pen black{qtplatform::PenStyle::Solid, 0, kBlack};
    const double edge = kMapEdgeLatitude * kArcSecondsPerDegree;
    const double west = -kMaxGraticuleLongitude * kArcSecondsPerDegree;
    const double east = kMaxGraticuleLongitude * kArcSecondsPerDegree;
    canvas.SelectPen(grey);
    for (int n = kGraticuleStep; n <= kMaxGraticuleLatitude; n += kGraticuleStep) {
        const double latitude = n * kArcSecondsPerDegree;
        map_detail::DrawWorldRectangle(canvas, west, -latitude, east, latitude);
    }
    canvas.SelectPen(black);
    canvas.WorldLine(west, 0, east, 0);
    canvas.SelectPen(grey);
    for (int n = kGraticuleStep; n <= kMaxGraticuleLongitude; n += kGraticuleStep) {
        const double longitude = n * kArcSecondsPerDegree;
        map_detail::DrawWorldRectangle(canvas, -longitude, -edge, longitude, edge);
    }
    canvas.SelectPen(black);
    canvas.WorldLine(0, -edge, 0, edge);
}

void MapLayers::DrawAirports(MapCanvas& canvas) const {
    const MapFrame& frame = canvas.Frame();
    canvas.SelectPen({qtplatform::PenStyle::Solid, 0, kBlack});
    canvas.SetTextColor(kBlack);
    const VisibleCells cells = GetVisibleCells(frame.projection, frame.client);
    if (frame.zoom <= kRunwayNumberZoom || !frame.switches.runwayNumbers) {
        DrawRunwayLines(canvas, cells);
        return;
    }
    ForEachInCells(database_.airportGrid, cells, [&](const AirportRecord& airport) {
        DrawRunway(canvas, airport);
        const RunwayNumbers runway = RunwayNumbersFor(airport.heading, airport.magVar);
        if (map_detail::InView(frame, airport.x2, airport.y2))
            canvas.Dc().TextOut(frame.projection.ToLogical(airport.x2, airport.y2), std::to_string(runway.endTwo));
        if (map_detail::InView(frame, airport.x1, airport.y1))
            canvas.Dc().TextOut(frame.projection.ToLogical(airport.x1, airport.y1), std::to_string(runway.endOne));
    });
}

// Without the runway numbers the layer is black lines alone, in any order.
void MapLayers::DrawRunwayLines(MapCanvas& canvas, const VisibleCells& cells) const {
    DeviceLines lines{canvas, {}};
    ForEachInCells(database_.airportGrid, cells, [&](const AirportRecord& airport) { DrawRunway(lines, airport); });
    canvas.DrawLinesInAnyOrder(lines.lines);
}

const QImage& MapLayers::CachedImage(MapImageCache& cache, const MapFrame& frame, QSize pixels, int dpi,
                                     const std::optional<qtplatform::Font>& labelFont,
                                     const LabelPriorities& priorities) const {
    const std::optional<int> fontHeight = labelFont ? std::optional<int>(labelFont->height) : std::nullopt;
    const auto drawStatic = [&](QPainter& painter, const MapFrame& drawn) { DrawStatic(painter, drawn, labelFont); };
    if (!ShowsLabels(frame)) return cache.Image(frame, pixels, dpi, fontHeight, drawStatic);
    return cache.Image(
        frame, pixels, dpi, fontHeight, drawStatic, priorities,
        [&](QPainter& painter, const MapFrame& drawn) { DrawLabels(painter, drawn, labelFont, priorities); });
}

namespace map_detail {

void GatherAirportLabels(const NavDatabase& database, const MapFrame& frame, const LabelPriorities& priorities,
                         LabelLists& labels) {
    if (frame.zoom <= kIdentZoom || !frame.switches.airports || !frame.switches.airportIds) return;
    // An airport has a record per runway, one after the other: its ident is written once,
    // ranked by its longest runway.
    const char* lastIdent = "";
    MapLabel* last = nullptr;
    ForEachInCells(
        database.airportGrid, GetVisibleCells(frame.projection, frame.client), [&](const AirportRecord& airport) {
            if (std::strcmp(lastIdent, airport.id) == 0) {
                if (last != nullptr) last->rank = std::max(last->rank, airport.length);
                return;
            }
            lastIdent = airport.id;
            last = nullptr;
            if (InView(frame, airport.x, airport.y))
                last = &labels.Add(priorities.InRoute(airport.id), {frame.projection.ToLogical(airport.x, airport.y),
                                                                    airport.id, kBlack, airport.length});
        });
}

}  // namespace map_detail
}  // namespace trevalo
