// The flight-plan page's model: the route list that the map view fills, the flight plan
// made from it with the landing page's procedure points and turn corrections, and what
// is written from it: the flight file's waypoint lines and the flight plan file <title>.pln
// beside the adventure definition.
#pragma once

#include <string>
#include <vector>

#include "flightplan/landing_procedures.h"
#include "flightplan/route_record.h"

namespace trevalo {

inline constexpr const char* kDefaultCruisingAltitude = "10000";
// The entries of the page's type list, the .pln's "type=".
inline constexpr const char* kFlightPlanTypes[] = {"IFR", "VFR"};

// The page's own values.
struct FlightPlanValues {
    bool enabled = true;                              // Enable Flight Planning
    std::string altitude = kDefaultCruisingAltitude;  // cruising altitude in feet, as typed
    std::string type = kFlightPlanTypes[0];
    std::string title;        // shown: "EGLL to EHAM"
    std::string description;  // shown: their names
};

class FlightPlan {
public:
    explicit FlightPlan(const LandingProcedures& procedures) : procedures_(&procedures) {}

    FlightPlanValues& Values() { return values_; }
    const FlightPlanValues& Values() const { return values_; }
    void SetProcedures(const LandingProcedures& procedures) { procedures_ = &procedures; }

    // The map view's record of route point index. An unused record ends the route there;
    // the plan is then made again. True when it ended the route.
    bool SetRouteRecord(int index, RouteRecord record);
    const RouteRecordList& RouteList() const { return route_; }
    const RouteRecordList& Plan() const { return plan_; }

    // Merges the procedure points into the route list and makes the plan again (when the
    // page is shown, when the route ends, before the .pln is written); sets the page's
    // title and description.
    void Refresh();

    // The page's list: one line per plan record, then the route type and the names.
    std::vector<std::string> PreviewLines() const;
    // The highest altitude among the route list's records (the weather's base).
    int HighestAltitude() const;

    // One line per plan record, each ending in "\n"; the first without "waypoint.0=".
    std::vector<std::string> FltWaypointLines() const;
    // Writes <title>.pln beside the definition; false (no message) when the definition is
    // missing, the route empty, the file cannot be written, the altitude has no number or
    // the route does not end at an airport.
    bool WriteFlightPlan(const std::string& adfPath);

    // File > New: the defaults and an empty route.
    void Reset();

private:
    const LandingProcedures* procedures_;
    FlightPlanValues values_;
    RouteRecordList route_;
    RouteRecordList plan_;
};

}  // namespace trevalo
