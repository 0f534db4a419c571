// Recalculate of the SID/STAR editor: where a leg lies, computed from the previous leg's
// "Next point" values (From navaid, Distance, TO Radial) and its heading.
#pragma once

#include "map/sidstar_procedure.h"

namespace trevalo {

enum class RecalculateOutcome {
    Placed,       // latitude and longitude hold the new position
    NoReference,  // the previous leg names no From navaid
    Impossible,   // the values give no position
};

struct RecalculatedPosition {
    RecalculateOutcome outcome = RecalculateOutcome::Impossible;
    double latitude = 0.0;
    double westLongitude = 0.0;
};

// From the previous leg:
// - distance and radial above 0: at that distance on the radial from the From navaid;
// - only the radial above 0: where the previous leg's heading line crosses that radial;
// - both 0: at the From navaid.
// With useMagneticVariation the variation is added to radials and headings. Shows the
// message of a failure.
RecalculatedPosition RecalculateLegPosition(const ProcedureLeg& previous, double magneticVariation,
                                            bool useMagneticVariation);

}  // namespace trevalo
