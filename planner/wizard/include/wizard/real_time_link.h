// What the real-time page asks of the running simulator, apart from its controls: the live
// values read in one pass that stops at the first failed call, the unit and step
// arithmetic of its spins, and moving the plane to the route's departure airport.
#pragma once

#include <optional>
#include <variant>

#include "adf/values/real_time.h"
#include "map/nav_database.h"
#include "map/route.h"
#include "mapview/simulator_link.h"

namespace trevalo {

enum class AltitudeUnit { Feet, Metre };

// The altitude as the page shows it, and the metres the simulator takes for a shown one.
double AltitudeInUnit(double metres, AltitudeUnit unit);
double MetresOfAltitude(double shown, AltitudeUnit unit);

// A spin's step: a delta of 0 or less adds 1, a positive one subtracts 1; the interval
// stays within 0 to 60 seconds.
double SteppedAltitude(double altitude, int delta);
int SteppedInterval(int interval, int delta);

// Altitude, position, pause, time and (when a kind is given) speed into the values and
// the time, in that order. False at the first call that failed; what was read before it
// is kept.
bool ReadLiveValues(SimulatorLink& link, AltitudeUnit unit, std::optional<SpeedKind> speed, adf::RealTimeValues& values,
                    SimulatorTime& time);

// One refresh's reading: whether the simulator runs, and the values it answered (the
// values given, for what it did not).
struct LiveReading {
    bool running = false;
    bool answered = false;  // every call of the pass answered
    adf::RealTimeValues values;
    SimulatorTime time;
};

// Whether the simulator runs, then, when it does, ReadLiveValues over a copy of the values.
LiveReading ReadLive(SimulatorLink& link, AltitudeUnit unit, std::optional<SpeedKind> speed,
                     const adf::RealTimeValues& values, const SimulatorTime& time);

// Where "Move Plane to Departure" puts the plane: the route's first point, an airport.
struct Departure {
    double latitude = 0;   // degrees
    double longitude = 0;  // degrees
    double heading = 0;    // the runway direction's course + 180
    double elevationFeet = 0;
};
enum class DepartureProblem { EmptyRoute, NotAnAirport };

std::variant<Departure, DepartureProblem> FindDeparture(const Route& route, const NavDatabase& database);

// With slew and pause on, three passes of: 10000 ft, latitude, longitude, heading, twice
// the elevation, the elevation; then slew and pause back as they were. False when a call
// failed (slew and pause are still put back once they were read).
bool MovePlaneTo(SimulatorLink& link, const Departure& departure);

}  // namespace trevalo
