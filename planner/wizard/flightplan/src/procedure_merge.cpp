#include "plan_building.h"

namespace trevalo::flightplan_detail {
namespace {

bool IsProcedurePoint(const RouteRecord& record) { return record.type == kProcedureRecordType; }

// A typed record right after an untyped one is a leftover of an earlier merge.
bool IsMergedBefore(const RouteRecord& previous, const RouteRecord& record) {
    return IsProcedurePoint(record) || (previous.type.empty() && !record.type.empty());
}

void RemoveMergedPoints(RouteRecordList& route) {
    int i = 1;
    while (i < route.Count()) {
        if (IsMergedBefore(route.At(i - 1), route.At(i)))
            route.Remove(i);
        else
            ++i;
    }
}

}  // namespace

void MergeProcedurePoints(RouteRecordList& route, const LandingProcedures& procedures) {
    RemoveMergedPoints(route);
    if (procedures.DefaultLanding()) return;
    int airport = 0;
    for (int i = 0; i < route.Count(); ++i) {
        if (route.At(i).type != kAirportRecordType) continue;
        // Departures (even airports) take their SID after them, landing airports their STAR before.
        const bool after = airport % 2 == 0;
        int at = after ? i + 1 : i;
        for (RouteRecord& point : procedures.ProcedurePoints(airport)) {
            if (!point.IsUsed() || !route.Insert(at, std::move(point))) break;
            ++at;
        }
        // Past the points just inserted, and past the airport when they went before it.
        i = after ? at - 1 : at;
        ++airport;
    }
}

}  // namespace trevalo::flightplan_detail
