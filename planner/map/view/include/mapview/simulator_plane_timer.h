// The map's timer for the simulator's plane: at the period of the configuration it asks
// the simulator link for the plane on a worker thread, keeps the last answer for the
// drawing (which never calls the link) and asks for a redraw when the plane moved,
// appeared or went. A simulator that hangs holds up the worker, never the map.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>
#include <string_view>
#include <thread>

#include "mapview/simulator_link.h"
#include "mapview/simulator_plane_symbol.h"

namespace trevalo {

// How often the plane is asked for: RealMovePlane on and a RealMovePlaneUpdt of 1 to 60
// seconds (larger ones are 60); 0, a negative or no number turns the plane off.
struct PlanePolling {
    int intervalSeconds = 0;  // 0 while off
    // While off the timer still looks at the configuration every 5 seconds.
    int TimerPeriodMs() const;
    bool operator==(const PlanePolling&) const = default;
};

PlanePolling PlanePollingFromSettings(std::string_view movePlane, std::string_view updateSeconds);
PlanePolling ReadPlanePolling();

// The plane when the simulator runs and every call answered; the poll stops at the first
// call that fails.
std::optional<PlanePosition> ReadSimulatorPlane(SimulatorLink& link);

// The plane kept between polls.
class PlaneTracker {
public:
    // True when the map must be drawn again: the plane moved, appeared or went (once).
    bool Apply(const std::optional<PlanePosition>& reading);
    const std::optional<PlanePosition>& Plane() const { return plane_; }

private:
    std::optional<PlanePosition> plane_;
};

class SimulatorPlaneTimer : public QObject {
public:
    using Redraw = std::function<void()>;
    using PollingSource = std::function<PlanePolling()>;

    // polling: the configuration, read at every tick (ReadPlanePolling unless given).
    SimulatorPlaneTimer(SimulatorLink& link, Redraw redraw, PollingSource polling = ReadPlanePolling);
    ~SimulatorPlaneTimer() override;  // waits for a poll under way

    // Runs the first tick now and the next ones at the configured period.
    void Start();
    // One tick: the configuration read again, and a poll unless one is under way.
    void Tick();

    // The plane to draw; none while the simulator is not running or the plane is off.
    const std::optional<PlanePosition>& Plane() const { return tracker_.Plane(); }
    int PeriodMs() const { return timer_.interval(); }
    bool Polling() const { return polling_; }

private:
    void Apply(const std::optional<PlanePosition>& reading);

    SimulatorLink& link_;
    Redraw redraw_;
    PollingSource pollingSource_;
    QTimer timer_;
    PlaneTracker tracker_;
    std::thread worker_;
    bool enabled_ = false;
    bool polling_ = false;  // a worker is asking; only the user-interface thread touches it
};

}  // namespace trevalo
