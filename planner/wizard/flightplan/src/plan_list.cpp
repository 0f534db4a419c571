#include <cmath>
#include <numbers>
#include <optional>

#include "map/angle_text.h"
#include "map/great_circle.h"
#include "plan_building.h"

namespace trevalo::flightplan_detail {
namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
constexpr double kSmallestCorrectedTurn = 45.0;
constexpr double kLargestCorrectedTurn = 270.0;
constexpr double kCorrectionSide = 45.0;
constexpr double kNearCorrectionNm = 15.0;
constexpr double kFarCorrectionNm = 30.0;
constexpr const char* kCorrectionIdent = "USER_EXTRA";
constexpr const char* kCorrectionRouteText = "Correction";
constexpr const char* kNdbTypeLetter = "N";

struct Position {
    double latitude;   // degrees, north positive
    double longitude;  // degrees, west positive
};

bool IsAirport(const RouteRecord& record) { return record.type == kAirportRecordType; }
bool IsProcedurePoint(const RouteRecord& record) { return record.type == kProcedureRecordType; }
bool BeginsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

Position PositionOf(const RouteRecord& record) {
    return {ParseLatLonText(record.latitude), ParseLatLonText(record.longitude)};
}

double DistanceNm(const Position& a, const Position& b) {
    return GreatCircleDistance(a.latitude * kRadiansPerDegree, a.longitude * kRadiansPerDegree,
                               b.latitude * kRadiansPerDegree, b.longitude * kRadiansPerDegree);
}

double CourseDegrees(const Position& from, const Position& to) {
    return GreatCircleCourse(from.latitude * kRadiansPerDegree, from.longitude * kRadiansPerDegree,
                             to.latitude * kRadiansPerDegree, to.longitude * kRadiansPerDegree);
}

std::optional<int> NextAirport(const RouteRecordList& route, int from) {
    for (int i = from; i < route.Count(); ++i)
        if (IsAirport(route.At(i))) return i;
    return std::nullopt;
}

// A navaid just before a procedure point that lies nearer the next airport is left out.
bool LiesBehindItsProcedurePoint(const RouteRecordList& route, int i) {
    const RouteRecord& record = route.At(i);
    if (IsAirport(record) || IsProcedurePoint(record) || !IsProcedurePoint(route.At(i + 1))) return false;
    const std::optional<int> airport = NextAirport(route, i + 1);
    if (!airport) return false;
    const Position airportPosition = PositionOf(route.At(*airport));
    return DistanceNm(PositionOf(route.At(i + 1)), airportPosition) > DistanceNm(PositionOf(record), airportPosition);
}

void PruneRoute(RouteRecordList& route) {
    int i = 0;
    while (i < route.Count()) {
        if (LiesBehindItsProcedurePoint(route, i))
            route.Remove(i);
        else
            ++i;
    }
}

// NDBs and second VORs of a radial fix count only right before an airport.
bool PlanPassesOver(const RouteRecord& record, const RouteRecord& next) {
    if (BeginsWith(next.type, kAirportRecordType)) return false;
    return BeginsWith(record.type, kNdbTypeLetter) || record.extra == "VOR2";
}

RouteRecord CorrectionPoint(const Position& from, double course, double distanceNm) {
    double latitude = from.latitude;
    double longitude = from.longitude;
    GreatCircleDestination(course, distanceNm, latitude, longitude);
    RouteRecord record;
    record.altitude = 0;
    record.type = kProcedureRecordType;
    record.ident = kCorrectionIdent;
    record.routeText = kCorrectionRouteText;
    record.latitude = FormatLatLon(latitude, true);
    record.longitude = FormatLatLon(longitude, false);
    return record;
}

// Two points that round off a sharp turn from the leg's last navaid P into the first
// procedure point S of the airport A; inserted at S, the far one first. The number of
// records inserted.
int InsertTurnCorrection(RouteRecordList& plan, int firstProcedurePoint, int airport) {
    int navaid = firstProcedurePoint - 1;
    while (navaid >= 0 && (IsAirport(plan.At(navaid)) || IsProcedurePoint(plan.At(navaid)))) --navaid;
    if (navaid < 0 || firstProcedurePoint <= 0 || plan.Count() + 2 > kMaxRouteRecords) return 0;
    const Position p = PositionOf(plan.At(navaid));
    const Position s = PositionOf(plan.At(firstProcedurePoint));
    const Position a = PositionOf(plan.At(airport));
    const double inbound = CourseDegrees(p, s);
    const double final = CourseDegrees(s, a);
    const double turn = std::fabs(inbound - final);
    if (turn <= kSmallestCorrectedTurn || turn >= kLargestCorrectedTurn) return 0;
    double difference = inbound - final;
    while (difference < 0.0) difference += 360.0;
    const double side = difference > 180.0 ? kCorrectionSide : -kCorrectionSide;
    plan.Insert(firstProcedurePoint, CorrectionPoint(s, final + 180.0 - side, kNearCorrectionNm));
    plan.Insert(firstProcedurePoint, CorrectionPoint(s, inbound - 180.0 + side, kFarCorrectionNm));
    return 2;
}

void InsertTurnCorrections(RouteRecordList& plan) {
    int airports = 0;
    for (int i = 0; i < plan.Count(); ++i) {
        if (!IsAirport(plan.At(i))) continue;
        // Landing airports (the odd ones) have their procedure points right before them.
        if (airports++ % 2 == 0) continue;
        int first = i;
        while (first > 0 && IsProcedurePoint(plan.At(first - 1))) --first;
        if (first < i) i += InsertTurnCorrection(plan, first, i);
    }
}

}  // namespace

RouteRecordList MakePlan(RouteRecordList& route) {
    PruneRoute(route);
    RouteRecordList plan;
    for (int i = 0; i < route.Count(); ++i) {
        const RouteRecord& record = route.At(i);
        if (PlanPassesOver(record, route.At(i + 1))) continue;
        if (!plan.Empty() && record == plan.At(plan.Count() - 1)) continue;
        plan.Append(record);
    }
    InsertTurnCorrections(plan);
    return plan;
}

}  // namespace trevalo::flightplan_detail
