// A flight plan fed as the map view feeds it: each record, then the end record.
#pragma once

#include <map>
#include <vector>

#include "flightplan/flight_plan.h"
#include "route_records.h"

namespace trevalo::testing {

class FakeLandingPage : public LandingProcedures {
public:
    bool defaultLanding = true;
    std::map<int, std::vector<RouteRecord>> points;  // by route airport

    bool DefaultLanding() const override { return defaultLanding; }
    std::vector<RouteRecord> ProcedurePoints(int airport) const override {
        const auto found = points.find(airport);
        return found == points.end() ? std::vector<RouteRecord>{} : found->second;
    }
};

inline void HandRoute(FlightPlan& plan, const std::vector<RouteRecord>& route) {
    for (size_t i = 0; i < route.size(); ++i) plan.SetRouteRecord(static_cast<int>(i), route[i]);
    plan.SetRouteRecord(static_cast<int>(route.size()), RouteRecord{});
}

inline std::vector<std::string> Idents(const RouteRecordList& list) {
    std::vector<std::string> idents;
    for (const RouteRecord& record : list.Records()) idents.push_back(record.ident);
    return idents;
}

inline const RouteRecord kSpringfield =
    Airport("KSPF", "Springfield Regional", "N047* 27'57.00", "W122* 18'30.00", 350);
inline const RouteRecord kBoeing = Airport("KBFI", "Boeing Field", "N047* 31'48.00", "W122* 18'07.00", -11);
inline const RouteRecord kVor = Navaid("SPF", "V", "N047* 30'00.00", "W122* 20'00.00");

}  // namespace trevalo::testing
