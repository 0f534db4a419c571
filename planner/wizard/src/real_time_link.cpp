#include "wizard/real_time_link.h"

#include <algorithm>

#include "simlinker/global_block.h"

namespace trevalo {
namespace {

using simlink::global_block::kFeetPerMetre;
using simlink::global_block::kMetresPerFoot;

constexpr double kArcSecondsPerDegree = 3600.0;
constexpr double kReverseCourse = 180.0;
constexpr double kClearAltitudeFeet = 10000.0;
constexpr int kMovePasses = 3;

int Step(int delta) { return delta <= 0 ? 1 : -1; }

template <class T>
bool Take(const std::optional<T>& answer, T& into) {
    if (answer) into = *answer;
    return answer.has_value();
}

bool MovePass(SimulatorLink& link, const Departure& departure) {
    return link.SetAltitudeFeet(kClearAltitudeFeet) && link.SetLatitude(departure.latitude) &&
           link.SetLongitude(departure.longitude) && link.SetHeading(departure.heading) &&
           link.SetAltitudeFeet(2 * departure.elevationFeet) && link.SetAltitudeFeet(departure.elevationFeet);
}

}  // namespace

double AltitudeInUnit(double metres, AltitudeUnit unit) {
    return unit == AltitudeUnit::Metre ? metres : metres * kFeetPerMetre;
}

double MetresOfAltitude(double shown, AltitudeUnit unit) {
    return unit == AltitudeUnit::Metre ? shown : shown * kMetresPerFoot;
}

double SteppedAltitude(double altitude, int delta) { return altitude + Step(delta); }

int SteppedInterval(int interval, int delta) { return std::clamp(interval + Step(delta), 0, adf::kMaxRefreshInterval); }

bool ReadLiveValues(SimulatorLink& link, AltitudeUnit unit, std::optional<SpeedKind> speed, adf::RealTimeValues& values,
                    SimulatorTime& time) {
    double metres = 0;
    bool paused = false;
    if (!Take(link.AltitudeMetres(), metres)) return false;
    values.altitude = AltitudeInUnit(metres, unit);
    if (!Take(link.Latitude(), values.latitude) || !Take(link.Longitude(), values.longitude)) return false;
    if (!Take(link.Paused(), paused)) return false;
    values.pause = paused ? 1 : 0;
    if (!Take(link.Time(), time)) return false;
    return !speed || Take(link.Speed(*speed), values.speed);
}

LiveReading ReadLive(SimulatorLink& link, AltitudeUnit unit, std::optional<SpeedKind> speed,
                     const adf::RealTimeValues& values, const SimulatorTime& time) {
    LiveReading reading{link.IsRunning(), false, values, time};
    if (reading.running) reading.answered = ReadLiveValues(link, unit, speed, reading.values, reading.time);
    return reading;
}

std::variant<Departure, DepartureProblem> FindDeparture(const Route& route, const NavDatabase& database) {
    if (route.Points().empty()) return DepartureProblem::EmptyRoute;
    const CRoutePoint& first = route.Points().front();
    const int number = static_cast<int>(first.databaseNumber);
    if (!first.IsAirport() || !database.IsAirportNumber(number)) return DepartureProblem::NotAnAirport;
    return Departure{first.y / kArcSecondsPerDegree, first.x / kArcSecondsPerDegree, first.course + kReverseCourse,
                     database.airportLines.GetAElev(number - 1)};
}

bool MovePlaneTo(SimulatorLink& link, const Departure& departure) {
    const std::optional<bool> slewing = link.Slewing();
    if (!slewing) return false;
    const std::optional<bool> paused = link.Paused();
    if (!paused) return false;
    bool moved = (*slewing || link.SetSlewing(true)) && (*paused || link.SetPaused(true));
    for (int pass = 0; moved && pass < kMovePasses; ++pass) moved = MovePass(link, departure);
    const bool slewBack = link.SetSlewing(*slewing);
    const bool pauseBack = link.SetPaused(*paused);
    return moved && slewBack && pauseBack;
}

}  // namespace trevalo
