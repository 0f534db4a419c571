// Navaids and ILS beams of the map.
#include <cmath>
#include <numbers>

#include "map_canvas.h"
#include "map_labels.h"
#include "map_markers.h"
#include "mapview/map_layers.h"
#include "navaid_marks.h"

namespace trevalo {
namespace {

using namespace map_colors;
using map_detail::MapCanvas;
using map_detail::NavaidMarks;
using qtplatform::Point;

constexpr double kSmallOutline = 20.0;   // arc-seconds, with idents shown
constexpr double kLargeOutline = 275.0;  // arc-seconds, without idents
constexpr double kDmeHalfSide = 5.0;
constexpr double kVorRoseWithIdents = 0.2;  // x zoom, logical units
constexpr double kNdbCircleWithIdents = 0.1;
constexpr double kRoseWithoutIdents = 2.0;
constexpr double kBeamRadius = 700.0;    // arc-seconds
constexpr double kBeamHalfWidth = 20.0;  // degrees each side of the approach course
constexpr int kBeamArcSteps = 8;
constexpr double kLocalizerMarkHalf = 5.0;
constexpr int kIlsBeam = 4;
constexpr int kIlsMarker = 5;
constexpr int kCenterColumn = 17;
constexpr int kCenterRow = 8;

struct NavaidStyle {
    qtplatform::ColorRef pen;
    qtplatform::ColorRef text;
    double circleWithIdents;
};

const NavaidStyle kVorStyle{kBlue, kBlue, kVorRoseWithIdents};
const NavaidStyle kNdbStyle{kDarkGreen, kGreen, kNdbCircleWithIdents};
constexpr double kVorType = 1.0;
constexpr double kNdbType = 2.0;
constexpr double kDmeType = 3.0;

bool IdentsShown(const MapFrame& frame) { return frame.zoom > kIdentZoom && frame.switches.navaidIds; }

// A point at a bearing (degrees clockwise from north) and distance from a world point.
void PointAt(double x, double y, double bearing, double distance, double& outX, double& outY) {
    const double radians = bearing * std::numbers::pi / 180.0;
    outX = x + std::sin(radians) * distance;
    outY = y + std::cos(radians) * distance;
}

void DrawVorOrNdb(MapCanvas& canvas, NavaidMarks& marks, const NavaidRecord& navaid, const NavaidStyle& style) {
    const MapFrame& frame = canvas.Frame();
    const bool idents = IdentsShown(frame);
    if (frame.switches.radials) {
        const double radius = idents ? style.circleWithIdents : kRoseWithoutIdents;
        marks.Draw(navaid.x, navaid.y, static_cast<int>(frame.zoom * radius), style.pen, style.text);
        return;
    }
    canvas.SelectPen({qtplatform::PenStyle::Solid, 0, style.pen});
    map_detail::DrawDiamond(canvas, navaid.x, navaid.y, idents ? kSmallOutline : kLargeOutline);
}

void DrawDme(MapCanvas& canvas, const NavaidRecord& navaid) {
    canvas.SelectPen({qtplatform::PenStyle::Dot, 0, kRed});
    map_detail::DrawSquare(canvas, navaid.x, navaid.y, kDmeHalfSide);
    map_detail::DrawDiamond(canvas, navaid.x, navaid.y, kDmeHalfSide);
}

// The beam points away from the runway: a sector round the approach course with its
// centre line.
void DrawBeam(MapCanvas& canvas, const IlsRecord& ils) {
    const double from = ils.heading + 180.0 - kBeamHalfWidth;
    const double step = 2.0 * kBeamHalfWidth / kBeamArcSteps;
    double lastX = 0, lastY = 0;
    PointAt(ils.x, ils.y, from, kBeamRadius, lastX, lastY);
    canvas.WorldLine(ils.x, ils.y, lastX, lastY);
    for (int i = 1; i <= kBeamArcSteps; ++i) {
        double x = 0, y = 0;
        PointAt(ils.x, ils.y, from + i * step, kBeamRadius, x, y);
        canvas.WorldLine(lastX, lastY, x, y);
        lastX = x;
        lastY = y;
    }
    canvas.WorldLine(lastX, lastY, ils.x, ils.y);
    double centreX = 0, centreY = 0;
    PointAt(ils.x, ils.y, ils.heading + 180.0, kBeamRadius, centreX, centreY);
    canvas.WorldLine(ils.x, ils.y, centreX, centreY);
}

// Whether nothing within the beam's reach of the point lies in view: its lines would all
// be clipped away.
bool BeamOutOfView(const MapFrame& frame, const IlsRecord& ils) {
    const Point a = frame.projection.ToLogical(ils.x - kBeamRadius, ils.y - kBeamRadius);
    const Point b = frame.projection.ToLogical(ils.x + kBeamRadius, ils.y + kBeamRadius);
    const ClipBox visible = frame.VisibleBox();
    return (ComputeOutCode(a, visible) & ComputeOutCode(b, visible)) != 0;
}

int IlsColumn(const IlsRecord& ils) { return static_cast<int>(ils.x / 36000) + kCenterColumn; }
int IlsRow(const IlsRecord& ils) { return static_cast<int>(ils.y / 36000) + kCenterRow; }

// The navaids of the grid cells in view.
template <class Visit>
void ForEachNavaidInView(const NavDatabase& database, const MapFrame& frame, Visit visit) {
    const VisibleCells cells = GetVisibleCells(frame.projection, frame.client);
    for (int column = cells.firstColumn; column <= cells.lastColumn; ++column) {
        for (int row = cells.firstRow; row <= cells.lastRow; ++row) {
            for (const NavaidRecord& navaid : database.navaidGrid[column * kGridRows + row]) visit(navaid);
        }
    }
}

// The ILS records whose column or row is in view: a beam reaches 700 arc-seconds past
// its cell. Entry 0 of the list is unused.
template <class Visit>
void ForEachIlsNearView(const NavDatabase& database, const MapFrame& frame, Visit visit) {
    const VisibleCells cells = GetVisibleCells(frame.projection, frame.client);
    for (std::size_t i = 1; i < database.ils.size(); ++i) {
        const IlsRecord& ils = database.ils[i];
        if (cells.ContainsColumn(IlsColumn(ils)) || cells.ContainsRow(IlsRow(ils))) visit(ils);
    }
}

}  // namespace

void MapLayers::DrawNavaids(MapCanvas& canvas) const {
    const MapFrame& frame = canvas.Frame();
    NavaidMarks marks(canvas);
    ForEachNavaidInView(database_, frame, [&](const NavaidRecord& navaid) {
        if (navaid.type == kVorType && frame.switches.vor) DrawVorOrNdb(canvas, marks, navaid, kVorStyle);
        if (navaid.type == kNdbType && frame.switches.ndb) DrawVorOrNdb(canvas, marks, navaid, kNdbStyle);
        if (navaid.type == kDmeType) DrawDme(canvas, navaid);
    });
}

void MapLayers::DrawIlsCones(MapCanvas& canvas) const {
    const MapFrame& frame = canvas.Frame();
    ForEachIlsNearView(database_, frame, [&](const IlsRecord& ils) {
        if (ils.type == kIlsBeam && frame.switches.ils) {
            if (BeamOutOfView(frame, ils)) return;
            canvas.SelectPen({qtplatform::PenStyle::Solid, 0, kGreen});
            DrawBeam(canvas, ils);
        } else if (ils.type == kIlsMarker) {
            canvas.SelectPen({qtplatform::PenStyle::Solid, 0, kBlue});
            map_detail::DrawDiamond(canvas, ils.x, ils.y, kLocalizerMarkHalf);
        }
    });
}

namespace map_detail {

void GatherNavaidLabels(const NavDatabase& database, const MapFrame& frame, const LabelPriorities& priorities,
                        LabelLists& labels) {
    if (!IdentsShown(frame)) return;
    ForEachNavaidInView(database, frame, [&](const NavaidRecord& navaid) {
        qtplatform::ColorRef color = kRed;
        if (navaid.type == kVorType) {
            if (!frame.switches.vor) return;
            color = kVorStyle.text;
        } else if (navaid.type == kNdbType) {
            if (!frame.switches.ndb) return;
            color = kNdbStyle.text;
        } else if (navaid.type != kDmeType) {
            return;
        }
        if (InView(frame, navaid.x, navaid.y))
            labels.Add(priorities.InRoute(navaid.id),
                       {frame.projection.ToLogical(navaid.x, navaid.y), navaid.id, color});
    });
}

void GatherIlsLabels(const NavDatabase& database, const MapFrame& frame, const LabelPriorities& priorities,
                     LabelLists& labels) {
    // Beams and their idents show above the ILS zoom; the idents follow the airport idents'
    // switch, also with the beams switched off.
    if (frame.zoom <= kIlsZoom || !frame.switches.airportIds) return;
    ForEachIlsNearView(database, frame, [&](const IlsRecord& ils) {
        if (ils.type == kIlsBeam && InView(frame, ils.x, ils.y))
            labels.Add(priorities.InRoute(ils.id), {frame.projection.ToLogical(ils.x, ils.y), ils.id, kDarkGreen});
    });
}

}  // namespace map_detail
}  // namespace trevalo
