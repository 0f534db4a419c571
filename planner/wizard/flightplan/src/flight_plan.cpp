#include "flightplan/flight_plan.h"

#include <algorithm>

#include "flightplan/plan_text.h"
#include "plan_building.h"
#include "platform/text.h"

namespace trevalo {

bool FlightPlan::SetRouteRecord(int index, RouteRecord record) {
    const bool ends = !record.IsUsed();
    route_.Set(index, std::move(record));
    if (ends) Refresh();
    return ends;
}

void FlightPlan::Refresh() {
    flightplan_detail::MergeProcedurePoints(route_, *procedures_);
    plan_ = flightplan_detail::MakePlan(route_);
    if (plan_.Empty()) {
        values_.title.clear();
        values_.description.clear();
        return;
    }
    const RouteRecord& departure = plan_.At(0);
    const RouteRecord& last = plan_.At(plan_.Count() - 1);
    if (IsAirportRecord(last)) {
        values_.title = departure.ident + " to " + last.ident;
        values_.description = PointName(departure) + ", " + PointName(last);
    } else {
        values_.title = departure.ident + " to ...";
        values_.description = PointName(departure) + ", ...";
    }
}

std::vector<std::string> FlightPlan::PreviewLines() const {
    std::vector<std::string> lines;
    if (plan_.Empty()) return lines;
    lines.push_back("routetype=1");
    lines.push_back("departure_name=" + PointName(plan_.At(0)));
    const RouteRecord& last = plan_.At(plan_.Count() - 1);
    if (IsAirportRecord(last)) lines.push_back("destination_name=" + PointName(last));
    for (int i = 0; i < plan_.Count(); ++i) {
        const RouteRecord& record = plan_.At(i);
        lines.push_back(platform::Format("waypoint.%d, %s, %s, %s, %s, %s, %s", i, record.ident.c_str(),
                                         record.type.c_str(), record.latitude.c_str(), record.longitude.c_str(),
                                         SignedAltitudeText(record.altitude).c_str(), record.routeText.c_str()));
    }
    return lines;
}

int FlightPlan::HighestAltitude() const {
    int highest = 0;
    for (const RouteRecord& record : route_.Records()) highest = std::max(highest, record.altitude);
    return highest;
}

void FlightPlan::Reset() {
    values_ = FlightPlanValues{};
    route_.Clear();
    plan_.Clear();
}

}  // namespace trevalo
