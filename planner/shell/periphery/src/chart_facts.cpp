#include "periphery/chart_facts.h"

#include <algorithm>
#include <cmath>

#include "aerodrex/airport_getters.h"
#include "beaconex/navaid_getters.h"
#include "map/headings.h"
#include "map/runway_numbers.h"
#include "maparithmetic/map_grid.h"
#include "platform/numbers.h"
#include "platform/text.h"

namespace trevalo {
namespace {

constexpr double kIlsHeadingTolerance = 6;
constexpr double kIlsType = 4;

template <std::size_t N>
std::string Field(void (*getter)(char*, const char*), const std::string& line) {
    char text[N] = {};
    getter(text, line.c_str());
    return platform::Trimmed(text);
}

void Widen(double& low, double& high) {
    if (high - low >= kMinChartSpan) return;
    const double middle = (low + high) / 2;
    low = middle - kMinChartSpan / 2;
    high = middle + kMinChartSpan / 2;
}

std::string SideText(char side) { return side == 0 || side == ' ' ? std::string() : std::string(1, side); }

// The holding fix and its altitude: the navaid by its index in the navaid list, the
// 10 nm holding at the airport's elevation, or none.
void AddHolding(const NavDatabase& database, const CRoutePoint& point, int elevation, ApproachFacts& facts) {
    if (point.holding == kNoHolding) {
        facts.holdingFix = "No Holding";
        return;
    }
    if (point.holding == kHolding10Nm) {
        facts.holdingFix = "10nm";
        facts.holdingAltitude = platform::Format("Alt Range: %d", elevation);
        return;
    }
    const std::string line = point.holding > 0 ? database.NavaidLine(static_cast<int>(point.holding) + 1) : "";
    if (line.empty()) return;  // not placed, or a navaid no longer in the list
    facts.holdingFix = platform::UpperCased(Field<11>(GetNavaidsID, line));
    facts.holdingAltitude = platform::Format("Alt Range: %d", platform::LeadingInt(Field<16>(GetNavaidsElev, line)));
}

const AirportRecord* RunwayRecord(const NavDatabase& database, const CRoutePoint& point) {
    const int cell = GridCell(point.x, point.y);
    if (cell < 0 || cell >= kGridCells) return nullptr;
    for (const AirportRecord& record : database.airportGrid[static_cast<std::size_t>(cell)])
        if (record.number == point.databaseNumber) return &record;
    return nullptr;
}

void AddNavaids(const NavDatabase& database, const CRoutePoint& point, ApproachFacts& facts) {
    const int cell = GridCell(point.x, point.y);
    if (cell < 0 || cell >= kGridCells) return;
    const MapBox& w = facts.window;
    for (const NavaidRecord& navaid : database.navaidGrid[static_cast<std::size_t>(cell)]) {
        if (facts.navaids.size() >= kMaxPlanNavaids) break;
        if (navaid.x < w.minX || navaid.x > w.maxX || navaid.y < w.minY || navaid.y > w.maxY) continue;
        const std::string line = database.NavaidLine(static_cast<int>(navaid.number));
        const double frequency = platform::LeadingDouble(Field<21>(GetNavaidsFreq, line));
        const std::string ident = platform::UpperCased(platform::Trimmed(navaid.id));
        facts.navaids.push_back({navaid.type, navaid.x, navaid.y,
                                 frequency == 0 ? platform::Format("No Freq. %s", ident.c_str())
                                                : platform::Format("%3.2f %s", frequency, ident.c_str())});
    }
}

void AddProfileIls(const NavDatabase& database, const std::string& ident, char side, ApproachFacts& facts) {
    std::vector<std::pair<double, std::string>> beams;
    for (std::size_t i = 1; i < database.ils.size(); ++i) {
        const IlsRecord& beam = database.ils[i];
        if (platform::Trimmed(beam.airportId) != ident || beam.runway != side ||
            HeadingDifference(beam.heading, facts.courseDegrees) > kIlsHeadingTolerance)
            continue;
        beams.emplace_back(std::hypot(beam.x - facts.thresholdX, beam.y - facts.thresholdY),
                           platform::UpperCased(platform::Trimmed(beam.id)));
    }
    std::stable_sort(beams.begin(), beams.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 0; i < beams.size() && i < kMaxProfileIls; ++i) facts.profileIls.push_back(beams[i].second);
}

}  // namespace

int ChartPageCount(const std::vector<CRoutePoint>& points) {
    return 1 + static_cast<int>(
                   std::count_if(points.begin(), points.end(), [](const CRoutePoint& p) { return p.IsAirport(); }));
}

const CRoutePoint* ApproachPointOfPage(const std::vector<CRoutePoint>& points, int page) {
    int airport = 1;
    for (const CRoutePoint& point : points)
        if (point.IsAirport() && ++airport == page) return &point;
    return nullptr;
}

FlightPlanHeader FlightPlanHeaderOf(const std::vector<CRoutePoint>& points) {
    FlightPlanHeader header;
    if (points.empty()) return header;
    header.from = platform::UpperCased(points.front().ident);
    for (std::size_t i = points.size() - 1; i >= 1; --i) {
        if (points[i].IsAirport()) {
            header.to = platform::UpperCased(points[i].ident);
            break;
        }
    }
    return header;
}

MapBox BoxAround(const std::vector<CRoutePoint>& points) {
    MapBox box{1296000, -1296000, 684000, -684000};
    for (const CRoutePoint& point : points) {
        box.minX = std::min(box.minX, point.x);
        box.maxX = std::max(box.maxX, point.x);
        box.minY = std::min(box.minY, point.y);
        box.maxY = std::max(box.maxY, point.y);
    }
    return box;
}

ChartProjection::ChartProjection(const MapBox& box, const PageArea& area) : box_(box), area_(area) {
    Widen(box_.minX, box_.maxX);
    Widen(box_.minY, box_.maxY);
    scaleX_ = (area_.right - area_.left) / (box_.maxX - box_.minX);
    scaleY_ = (area_.top - area_.bottom) / (box_.maxY - box_.minY);
}

PagePoint ChartProjection::At(double x, double y) const {
    return {area_.left + platform::SaturatingInt((x - box_.minX) * scaleX_),
            area_.top - platform::SaturatingInt((box_.maxY - y) * scaleY_)};
}

bool ChartProjection::Contains(double x, double y) const {
    return x >= box_.minX && x <= box_.maxX && y >= box_.minY && y <= box_.maxY;
}

std::optional<ApproachFacts> ApproachFactsOf(const NavDatabase& database, const CRoutePoint& point) {
    const std::string line = database.AirportLine(static_cast<int>(point.databaseNumber));
    if (line.empty()) return std::nullopt;
    ApproachFacts facts;
    facts.ident = platform::UpperCased(Field<11>(GetAirportID, line));
    facts.name = Field<51>(GetAirportName, line);
    facts.atisFrequency = platform::Format("%03.02f", platform::LeadingDouble(Field<11>(GetAirportAtisFreq, line)));
    facts.courseDegrees = point.course;
    facts.course = platform::Format("%03d", platform::SaturatingInt(point.course));
    const int elevation = platform::LeadingInt(Field<16>(GetAirportElev, line));
    facts.elevationFeet = elevation;
    facts.elevation = platform::Format("Alt:%5d'", elevation);

    const char side = GetAirportRnw(line.c_str());
    const RunwayNumbers numbers =
        RunwayNumbersFor(GetAirportRunwayDegree(line.c_str()), GetAirportMagVar(line.c_str()));
    const int number = point.directionFlag ? numbers.endTwo : numbers.endOne;
    facts.runwayBox = platform::Format("RWY %s%02d", SideText(side).c_str(), number);
    facts.profileRunway = platform::Format("RWY %02d%s", number, SideText(side).c_str());

    const int ils = database.FindIlsForRunway(static_cast<int>(point.databaseNumber), point.course);
    if (ils > 0 && static_cast<std::size_t>(ils) < database.ils.size()) {
        facts.ilsIdent = platform::UpperCased(platform::Trimmed(database.ils[static_cast<std::size_t>(ils)].id));
        facts.ilsFrequency = platform::Format("%03.02f", database.ils[static_cast<std::size_t>(ils)].frequency);
    }
    AddHolding(database, point, elevation, facts);

    facts.thresholdX = facts.farX = point.x;
    facts.thresholdY = facts.farY = point.y;
    if (const AirportRecord* runway = RunwayRecord(database, point)) {
        // Runway end 2 in use lands from end 1 towards end 2.
        facts.thresholdX = point.directionFlag ? runway->x1 : runway->x2;
        facts.thresholdY = point.directionFlag ? runway->y1 : runway->y2;
        facts.farX = point.directionFlag ? runway->x2 : runway->x1;
        facts.farY = point.directionFlag ? runway->y2 : runway->y1;
    }
    facts.window = {facts.thresholdX - kPlanHalfWindow, facts.thresholdX + kPlanHalfWindow,
                    facts.thresholdY - kPlanHalfWindow, facts.thresholdY + kPlanHalfWindow};
    AddNavaids(database, point, facts);
    AddProfileIls(database, facts.ident, side, facts);
    for (int i = 0; i <= point.procedure.lastIndex && i < scenrix::kSidStarCapacity; ++i)
        facts.procedure.emplace_back(point.procedure.x[i], point.procedure.y[i]);
    return facts;
}

}  // namespace trevalo
