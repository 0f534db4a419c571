// The landing page's model without widgets: one slot per route airport (the n-th airport
// of the route, from 0; departures take a SID, landing airports a STAR) with the
// procedure chosen for it, kept in the wizard's values. The slots follow the route, hand
// their points to the flight plan and to the route points' procedures, and tell what the
// SID/STAR selection dialog is opened with.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "adf/values/key_commands.h"
#include "adf/values/landing.h"
#include "flightplan/landing_procedures.h"
#include "map/nav_database.h"
#include "map/route_point.h"
#include "map/sidstar_selection.h"
#include "scenrix/fileval.h"

namespace trevalo {

// The selection dialog's leg storage for one slot: its last record stays the end mark,
// so a procedure brings at most 49 points.
inline constexpr int kLegStorageSize = adf::kPointsPerLandingSlot;
inline constexpr int kMaxProcedurePoints = kLegStorageSize - 1;

// A row of the airport list. Airports past the slots are listed with the default
// landing and cannot be edited (slot -1).
struct LandingRow {
    std::string airport;
    std::string type;
    std::string ident;
    int slot = -1;

    bool operator==(const LandingRow&) const = default;
};

// Brings the slots up to date with the route's airports: a slot whose airport or type no
// longer matches starts again without a procedure, slots past the airports are emptied.
// Returns one row per route airport.
std::vector<LandingRow> RefreshLandingSlots(adf::LandingValues& values, const std::vector<CRoutePoint>& points);

// Empties the slots from firstAirport on (route points were removed).
void ResetLandingSlots(adf::LandingValues& values, int firstAirport);

// Each route airport's procedure as its slot holds it (at most the ten points a route
// point carries); airports past the slots carry none.
void RebuildRouteProcedures(const adf::LandingValues& values, std::vector<CRoutePoint>& points);

// What the selection dialog is opened with for the airport of a slot; nullopt when the
// route has no such airport or its record is not in the database.
std::optional<SidStarRequest> SelectionRequestFor(const adf::LandingValues& values,
                                                  const std::vector<CRoutePoint>& points, const NavDatabase& database,
                                                  int slot);

// The dialog's choice into the slot: the ident and the leg lines up to the end mark; an
// empty ident, or a procedure without legs, is no procedure.
void StoreProcedure(adf::LandingSlot& slot, const std::string& ident, std::span<const fileval> legs);

// The leg lines of the route's n-th airport's procedure up to the first empty one, every
// one the slot keeps; none past the slots.
std::vector<std::string> ProcedureLegLines(const adf::LandingValues& values, int airport);

// The slot's points as route records of the flight plan.
std::vector<RouteRecord> ProcedureRouteRecords(const adf::LandingSlot& slot);

// The flight plan's view of the slots.
class LandingSlotProcedures : public LandingProcedures {
public:
    explicit LandingSlotProcedures(const adf::LandingValues& values) : values_(values) {}
    bool DefaultLanding() const override { return values_.defaultLanding != 0; }
    std::vector<RouteRecord> ProcedurePoints(int airport) const override;

private:
    const adf::LandingValues& values_;
};

}  // namespace trevalo
