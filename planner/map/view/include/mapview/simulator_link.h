// The running simulator as the planner meets it: one member per TR_ call of the simulator
// link. A getter answers nothing when its call failed, so that a caller can stop at the
// first failure instead of waiting for the link's time-out again and again.
#pragma once

#include <optional>

namespace trevalo {

struct SimulatorTime {
    int hour = 0;
    int minute = 0;
    int second = 0;
    bool operator==(const SimulatorTime&) const = default;
};

enum class SpeedKind { Indicated, True, Ground };

class SimulatorLink {
public:
    virtual ~SimulatorLink() = default;

    virtual bool IsRunning() = 0;
    // Degrees, east and north positive; heading in degrees true.
    virtual std::optional<double> Latitude() = 0;
    virtual std::optional<double> Longitude() = 0;
    virtual std::optional<double> Heading() = 0;
    virtual std::optional<double> AltitudeMetres() = 0;
    virtual std::optional<bool> Paused() = 0;
    virtual std::optional<bool> Slewing() = 0;
    virtual std::optional<SimulatorTime> Time() = 0;
    // Knots.
    virtual std::optional<double> Speed(SpeedKind kind) = 0;

    // Each true when the simulator took the value.
    virtual bool SetPaused(bool on) = 0;
    virtual bool SetSlewing(bool on) = 0;
    virtual bool SetTime(const SimulatorTime& time) = 0;
    virtual bool SetAltitudeMetres(double metres) = 0;
    virtual bool SetAltitudeFeet(double feet) = 0;
    virtual bool SetLatitude(double degrees) = 0;
    virtual bool SetLongitude(double degrees) = 0;
    virtual bool SetHeading(double degrees) = 0;
};

// The link through Simlinker; its calls may run on any thread (the link serves one call
// at a time).
SimulatorLink& SimlinkerLink();

}  // namespace trevalo
