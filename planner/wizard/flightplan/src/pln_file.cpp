// The flight plan file <title>.pln beside the adventure definition.
#include "flightplan/flight_plan.h"
#include "flightplan/plan_text.h"
#include "platform/file_search.h"
#include "platform/text.h"
#include "platform/text_file.h"

namespace trevalo {
namespace {

constexpr const char* kFlightPlanExtension = ".pln";

std::string FlightPlanPath(const std::string& adfPath) {
    const size_t dot = adfPath.find_last_of('.');
    const size_t separator = adfPath.find_last_of("\\/");
    const bool hasExtension = dot != std::string::npos && (separator == std::string::npos || dot > separator);
    return (hasExtension ? adfPath.substr(0, dot) : adfPath) + kFlightPlanExtension;
}

std::string PositionLine(const char* key, const RouteRecord& record) {
    return platform::Format("%s=%s, %s, %s, %s", key, record.ident.c_str(),
                            FlightPlanAngleText(record.latitude).c_str(), FlightPlanAngleText(record.longitude).c_str(),
                            SignedAltitudeText(record.altitude).c_str());
}

}  // namespace

bool FlightPlan::WriteFlightPlan(const std::string& adfPath) {
    Refresh();
    if (!platform::FileExists(adfPath) || route_.Empty()) return false;
    const RouteRecord& first = route_.At(0);
    const RouteRecord& last = route_.At(route_.Count() - 1);
    std::vector<std::string> lines{"[flightplan]"};
    bool complete = IsAirportRecord(last);
    if (complete) {
        lines.push_back("title=" + first.ident + " to " + last.ident);
        lines.push_back("description=" + first.ident + ", " + last.ident);
        lines.push_back("type=" + values_.type);
        lines.push_back("routetype=1");
        const std::optional<int> altitude = CruisingAltitude(values_.altitude);
        complete = altitude.has_value();
        if (complete) {
            lines.push_back("cruising_altitude=" + std::to_string(*altitude));
            lines.push_back(PositionLine("departure_id", first));
            lines.push_back("departure_position=");
            lines.push_back(PositionLine("destination_id", last));
            lines.push_back("departure_name=" + PointName(first));
            lines.push_back("destination_name=" + PointName(last));
            lines.push_back("alternate_name=");
            for (int i = 0; i < plan_.Count(); ++i) {
                const RouteRecord& record = plan_.At(i);
                lines.push_back(platform::Format(
                    "waypoint.%d=%s, %s, %s, %s, %s, %s", i, WaypointIdent(record).c_str(), record.type.c_str(),
                    FlightPlanAngleText(record.latitude).c_str(), FlightPlanAngleText(record.longitude).c_str(),
                    SignedAltitudeText(record.altitude).c_str(), record.routeText.c_str()));
            }
        }
    }
    return platform::WriteLines(FlightPlanPath(adfPath), lines) && complete;
}

}  // namespace trevalo
