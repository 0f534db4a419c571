// The map's display switches, all on at start.
#pragma once

namespace trevalo {

struct DisplaySwitches {
    bool vor = true;
    bool ndb = true;
    bool airports = true;
    bool navaidIds = true;
    bool airportIds = true;
    bool ils = true;
    bool planeTrip = true;
    bool runwayNumbers = true;
    bool radials = true;

    bool operator==(const DisplaySwitches&) const = default;
};

}  // namespace trevalo
