// What the SID/STAR dialogs read from the planner's airport and navaid lists: the
// designators a runway line offers, the airport chooser's items, the rows of "Select
// Navaid", and positions as signed decimal degrees (latitude north-positive, longitude
// WEST-positive, as the tile files count them).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "aerodrex/airport_array.h"
#include "beaconex/navaid_array.h"
#include "map/nav_database.h"

namespace trevalo {

struct LatLon {
    double latitude = 0.0;
    double westLongitude = 0.0;
};

// Angle texts of the record lines ("N047* 27'57.37") as signed degrees: latitudes
// negative for "S", longitudes negative for "E".
double LatitudeDegrees(const char* text);
double WestLongitudeDegrees(const char* text);

LatLon AirportLinePosition(const CAirportArray& airports, int line);
LatLon NavaidPosition(const CNavaidArray& navaids, int navaid);

// The editor offers at most this many runway lines of an airport ident.
inline constexpr int kMaxAirportMatches = 100;

// The runway box's entries for a runway line: this end, its "L/R" form, the other end,
// its "L/R" form.
std::vector<std::string> RunwayDesignatorsOfLine(const CAirportArray& airports, int line);

// The chooser's item for a runway line: "%s(%s/%s)%50s%07d" of the upper-cased airport
// name, the designators of both ends, 50 blanks and the line's index; and the index read
// back from an item's last seven characters.
std::string AirportChooserItem(const CAirportArray& airports, int line);
std::optional<int> AirportChooserIndex(const std::string& item);

// A row of "Select Navaid": a navaid (kind 1, index into the navaid list) or an airport
// runway line (kind 0, index into the airport list).
inline constexpr int kNoChoiceKind = -1;
inline constexpr int kAirportChoice = 0;
inline constexpr int kNavaidChoice = 1;
struct NavaidChoice {
    int kind = kNoChoiceKind;
    std::string name;  // upper case
    std::string ident;
    int index = -1;
};

// The navaids whose ident equals the ident, then the airport runway lines that do.
std::vector<NavaidChoice> NavaidChoices(const NavDatabase& database, const std::string& ident);

}  // namespace trevalo
