// The steps that make the flight plan from the route list.
#pragma once

#include "flightplan/landing_procedures.h"
#include "flightplan/route_record.h"

namespace trevalo::flightplan_detail {

// Takes out the procedure points merged before, then, unless every airport lands by
// default, puts each airport's points in: after a departure, before a landing airport.
void MergeProcedurePoints(RouteRecordList& route, const LandingProcedures& procedures);

// Drops from the route the navaids whose next procedure point lies farther from the
// next airport than they do, then copies the route into a plan without the navaids the
// plan passes over and without repeats, and adds the turn corrections ahead of each
// landing airport's procedure points.
RouteRecordList MakePlan(RouteRecordList& route);

}  // namespace trevalo::flightplan_detail
