// An adventure definition read back into the wizard's values and the route, so that
// Create adventure writes the same files again: File > Open 'Adf' and the start-up
// reopening of the last build.
#pragma once

#include "adf/definition.h"
#include "adf/wizard_values.h"
#include "map/route.h"

namespace trevalo {

// The route from the definition's route part, matched against the database (the route
// empties its landing slots as it goes), then every value the definition holds, the
// holding of each route airport after the first, and the landing slots brought up to
// date with the route points, which take their procedures from them.
void ReopenAdventure(const adf::Definition& definition, adf::WizardValues& values, Route& route);

}  // namespace trevalo
