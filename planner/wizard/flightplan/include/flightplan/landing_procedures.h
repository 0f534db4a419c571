// What the flight plan takes from the landing page: whether every airport lands by
// default (no SID/STAR procedures), and the procedure points chosen for each route
// airport (the n-th airport of the route list, from 0: the departures' SIDs, the landing
// airports' STARs).
#pragma once

#include <vector>

#include "flightplan/route_record.h"

namespace trevalo {

class LandingProcedures {
public:
    virtual ~LandingProcedures() = default;
    virtual bool DefaultLanding() const = 0;
    // In their order, up to the first unused point.
    virtual std::vector<RouteRecord> ProcedurePoints(int airport) const = 0;
};

// Until a landing page gives procedures: every airport lands by default.
class DefaultLandingOnly : public LandingProcedures {
public:
    bool DefaultLanding() const override { return true; }
    std::vector<RouteRecord> ProcedurePoints(int) const override { return {}; }
};

}  // namespace trevalo
