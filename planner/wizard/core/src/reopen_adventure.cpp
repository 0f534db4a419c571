#include "wizardcore/reopen_adventure.h"

#include <algorithm>

#include "adf/adventure_definition.h"
#include "adf/route_file.h"
#include "landing/landing_slots.h"

namespace trevalo {
namespace {

// The holding value of each route airport after the first, by its number among them; an
// airport the definition gives none for asks for one still to be placed.
void RestoreHoldings(const std::vector<adf::Holding>& holdings, std::vector<CRoutePoint>& points) {
    int number = 0;
    for (size_t i = 1; i < points.size(); ++i) {
        if (!points[i].IsAirport()) continue;
        ++number;
        const auto holding = std::find_if(holdings.begin(), holdings.end(),
                                          [number](const adf::Holding& h) { return h.number == number; });
        points[i].holding = holding != holdings.end() && holding->value ? *holding->value : kHoldingNotPlaced;
    }
}

}  // namespace

void ReopenAdventure(const adf::Definition& definition, adf::WizardValues& values, Route& route) {
    // The route first: taking the old points away resets the landing slots.
    route.ReadRouteLines(definition.Lines());
    adf::ReadDefinition(definition, values);
    RestoreHoldings(adf::ReadRouteFile(definition.Lines()).holdings, route.Points());
    RefreshLandingSlots(values.landing, route.Points());
    RebuildRouteProcedures(values.landing, route.Points());
}

}  // namespace trevalo
