// What the charts show, worked out from the route and the database without drawing: the
// pages, the flight plan's header, the projection of map positions onto a page area
// (north up, east to the right), and each approach chart's texts and geometry.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "map/nav_database.h"
#include "map/route_point.h"

namespace trevalo {

// Arc-seconds: a route or window narrower than this is widened about its middle, so
// points that share a latitude or longitude still have a scale.
inline constexpr double kMinChartSpan = 1200;
// Half the approach chart's window around the runway, arc-seconds (one degree).
inline constexpr double kPlanHalfWindow = 3600;
inline constexpr std::size_t kMaxPlanNavaids = 100;
inline constexpr std::size_t kMaxProfileIls = 10;

// Page 1 is the flight plan, then one approach chart per airport point.
int ChartPageCount(const std::vector<CRoutePoint>& points);
// The route point of an approach page (2 and on); null beyond the airports.
const CRoutePoint* ApproachPointOfPage(const std::vector<CRoutePoint>& points, int page);

// The first point's name and the last airport's after it (empty when none), upper-cased.
struct FlightPlanHeader {
    std::string from;
    std::string to;
};
FlightPlanHeader FlightPlanHeaderOf(const std::vector<CRoutePoint>& points);

// A map box, arc-seconds.
struct MapBox {
    double minX = 0, maxX = 0, minY = 0, maxY = 0;
};
MapBox BoxAround(const std::vector<CRoutePoint>& points);

// Page units are 0.1 mm with y growing upward (a page's top is 0, its bottom negative).
struct PagePoint {
    int x = 0;
    int y = 0;
};
struct PageArea {
    int left = 0, top = 0, right = 0, bottom = 0;  // bottom < top
};

class ChartProjection {
public:
    // The box, each side at least kMinChartSpan, fills the area.
    ChartProjection(const MapBox& box, const PageArea& area);
    PagePoint At(double x, double y) const;
    bool Contains(double x, double y) const;

private:
    MapBox box_;
    PageArea area_;
    double scaleX_;
    double scaleY_;
};

struct ChartNavaid {
    double type = 0;  // kPointVor, kPointNdb, kPointIls ...
    double x = 0, y = 0;
    std::string label;  // "%3.2f %s" of frequency and ident, "No Freq. %s" without one
};

struct ApproachFacts {
    std::string ident;
    std::string name;
    std::string atisFrequency;  // "%03.02f"
    std::string ilsIdent;       // empty when the runway has no ILS
    std::string ilsFrequency;
    std::string course;           // "%03d"
    std::string elevation;        // "Alt:%5d'"
    std::string runwayBox;        // "RWY " side letter, then the number of two digits
    std::string profileRunway;    // "RWY " the number of two digits, then the side letter
    std::string holdingFix;       // "10nm", the holding navaid's ident, "No Holding", or empty
    std::string holdingAltitude;  // "Alt Range: %d", empty without a fix
    int elevationFeet = 0;
    double courseDegrees = 0;
    // The runway ends in use (arc-seconds): from the threshold towards the far end.
    double thresholdX = 0, thresholdY = 0, farX = 0, farY = 0;
    MapBox window;
    std::vector<ChartNavaid> navaids;
    std::vector<std::string> profileIls;               // idents, nearest the runway first
    std::vector<std::pair<double, double>> procedure;  // SID/STAR points
};

// Nothing for a point whose airport is not in the database.
std::optional<ApproachFacts> ApproachFactsOf(const NavDatabase& database, const CRoutePoint& point);

}  // namespace trevalo
