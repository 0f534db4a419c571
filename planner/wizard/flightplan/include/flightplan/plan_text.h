// The texts of flight plans: angles, altitudes and names as the simulator's flight plan
// and the flight file's waypoint lines hold them.
#pragma once

#include <optional>
#include <string>

#include "flightplan/route_record.h"

namespace trevalo {

// The angle text "N047* 27'57.00" (minutes, then hundredths of a minute) as a flight
// plan writes it, "N047* 27.57'": made from the angle's value, so the planner's own
// "27'5.37" (27.0537 minutes) becomes "27.05'". Trailing blanks are dropped; a text
// without "'" or "." is kept as it is.
std::string FlightPlanAngleText(const std::string& angleText);

// "+000350.00", "-000011.00": the sign of the value and six digits of its magnitude.
std::string SignedAltitudeText(int feet);

// The whole number at the start of the page's altitude text; none when it has none.
std::optional<int> CruisingAltitude(const std::string& altitudeText);

// A point the user placed (its ident holds "USER_EXTRA"), written as "USER".
bool IsUserPoint(const RouteRecord& record);
std::string WaypointIdent(const RouteRecord& record);

bool IsAirportRecord(const RouteRecord& record);
// The airport's name from its record line, trailing blanks dropped; a point that is no
// airport has no such name and gives its ident.
std::string PointName(const RouteRecord& record);

}  // namespace trevalo
