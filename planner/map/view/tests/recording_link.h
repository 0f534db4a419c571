// A simulator link for tests: answers from its fields, records each call by name, and can
// fail one call or everything from a named call on. Safe to call from a worker thread.
#pragma once

#include <chrono>
#include <mutex>
#include <string>
#include <vector>

#include "mapview/simulator_link.h"

namespace trevalo {

class RecordingLink : public SimulatorLink {
public:
    struct State {
        bool running = true;
        double latitude = 0, longitude = 0, heading = 0, altitudeMetres = 0;
        bool paused = false, slewing = false;
        SimulatorTime time{};
        double indicated = 0, trueAir = 0, ground = 0;
    };

    // Every call from the one of this name on fails (empty: none).
    void FailFrom(const std::string& call);
    void Set(const State& state);
    // IsRunning takes this long to answer, as a busy simulator would.
    void DelayIsRunning(std::chrono::milliseconds delay);
    State Get() const;
    std::vector<std::string> Calls() const;
    void ClearCalls();

    bool IsRunning() override;
    std::optional<double> Latitude() override;
    std::optional<double> Longitude() override;
    std::optional<double> Heading() override;
    std::optional<double> AltitudeMetres() override;
    std::optional<bool> Paused() override;
    std::optional<bool> Slewing() override;
    std::optional<SimulatorTime> Time() override;
    std::optional<double> Speed(SpeedKind kind) override;
    bool SetPaused(bool on) override;
    bool SetSlewing(bool on) override;
    bool SetTime(const SimulatorTime& time) override;
    bool SetAltitudeMetres(double metres) override;
    bool SetAltitudeFeet(double feet) override;
    bool SetLatitude(double degrees) override;
    bool SetLongitude(double degrees) override;
    bool SetHeading(double degrees) override;

private:
    // Records the call; false when it fails.
    bool Answer(const std::string& call);
    template <class T>
    std::optional<T> Get(const std::string& call, T State::*field);
    template <class T>
    bool Put(const std::string& call, T State::*field, T value);

    mutable std::mutex mutex_;
    State state_;
    std::string failFrom_;
    bool failing_ = false;
    std::vector<std::string> calls_;
    std::chrono::milliseconds isRunningDelay_{0};
};

}  // namespace trevalo
