// The flight file's waypoint lines of the plan.
#include "flightplan/flight_plan.h"
#include "flightplan/plan_text.h"
#include "platform/text.h"

namespace trevalo {
namespace {

constexpr const char* kFirstLinePrefix = "waypoint.0=";
constexpr int kEndKind = 1;
constexpr int kMiddleKind = 2;
constexpr int kApproachKind = 3;  // the second point, the last two, and every user point
constexpr int kMiddleFlag = 8;

int KindCode(int index, int count, bool userPoint) {
    if (index == 1 || index + 2 >= count || userPoint) return kApproachKind;
    return index == 0 || index == count - 1 ? kEndKind : kMiddleKind;
}

}  // namespace

std::vector<std::string> FlightPlan::FltWaypointLines() const {
    // A user point takes the next point's altitude field, which is the cruising altitude too.
    const int altitudeField = CruisingAltitude(values_.altitude).value_or(0);
    std::vector<std::string> lines;
    const int count = plan_.Count();
    for (int i = 0; i < count; ++i) {
        const RouteRecord& record = plan_.At(i);
        const bool middle = i != 0 && i != count - 1;
        std::string line = platform::Format(
            "waypoint.%d=%s, %s, %s, %s,%d,%d,%d,%s,%d\n", i, WaypointIdent(record).c_str(),
            FlightPlanAngleText(record.latitude).c_str(), FlightPlanAngleText(record.longitude).c_str(),
            SignedAltitudeText(record.altitude).c_str(), KindCode(i, count, IsUserPoint(record)),
            middle ? kMiddleFlag : 0, altitudeField, record.routeText.c_str(), i);
        if (i == 0) line.erase(0, std::string(kFirstLinePrefix).size());
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace trevalo
