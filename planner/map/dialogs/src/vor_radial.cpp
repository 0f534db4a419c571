#include "vor_radial.h"

#include <cmath>

#include "map/great_circle.h"
#include "map/unit_conversions.h"
#include "platform/text.h"

namespace trevalo::mapdialogs_detail {
namespace {

constexpr double kUnset = -1.0;
constexpr int kFullCircle = 360;
constexpr size_t kItemIdentLength = 6;

struct KindText {
    double type;
    const char* text;
};

constexpr KindText kKindTexts[] = {
    {kPointAirport, "Airp"},
    {kPointVor, "VOR"},
    {kPointNdb, "NDB"},
    {kPointIls, "ILS"},
};

// Whole part, saturated so that no value can overflow an int.
int WholeNumber(double value) {
    if (!std::isfinite(value)) return 0;
    return static_cast<int>(std::fmax(std::fmin(std::trunc(value), 1e9), -1e9));
}

}  // namespace

std::optional<RadialAndDistance> RadialFromPrevious(double previousX, double previousY, double x, double y,
                                                    int correction) {
    if (previousX == kUnset && previousY == kUnset) return std::nullopt;
    // The arithmetic counts longitudes west positive.
    const double lat1 = ArcSecondsToRadians(previousY);
    const double lon1 = ArcSecondsToRadians(-previousX);
    const double lat2 = ArcSecondsToRadians(y);
    const double lon2 = ArcSecondsToRadians(-x);
    RadialAndDistance result;
    result.distanceNm = WholeNumber(GreatCircleDistance(lat1, lon1, lat2, lon2));
    result.radial = WholeNumber(GreatCircleCourse(lat1, lon1, lat2, lon2)) - correction % kFullCircle;
    while (result.radial < 0) result.radial += kFullCircle;
    while (result.radial >= kFullCircle) result.radial -= kFullCircle;
    return result;
}

std::string DistanceText(int distanceNm) { return platform::Format("Distance to next waypoint %dnm", distanceNm); }

std::string RoutePointItemText(const CRoutePoint& point) {
    std::string kind;
    for (const KindText& entry : kKindTexts)
        if (point.type == entry.type) kind = entry.text;
    return kind + "\t" + point.ident.substr(0, kItemIdentLength);
}

}  // namespace trevalo::mapdialogs_detail
