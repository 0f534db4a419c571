#include "recording_link.h"

#include <thread>

#include "platform/text.h"

namespace trevalo {

void RecordingLink::FailFrom(const std::string& call) {
    std::lock_guard lock(mutex_);
    failFrom_ = call;
    failing_ = false;
}

void RecordingLink::Set(const State& state) {
    std::lock_guard lock(mutex_);
    state_ = state;
}

RecordingLink::State RecordingLink::Get() const {
    std::lock_guard lock(mutex_);
    return state_;
}

std::vector<std::string> RecordingLink::Calls() const {
    std::lock_guard lock(mutex_);
    return calls_;
}

void RecordingLink::ClearCalls() {
    std::lock_guard lock(mutex_);
    calls_.clear();
}

bool RecordingLink::Answer(const std::string& call) {
    calls_.push_back(call);
    if (!failFrom_.empty() && call.rfind(failFrom_, 0) == 0) failing_ = true;
    return !failing_ && state_.running;
}

template <class T>
std::optional<T> RecordingLink::Get(const std::string& call, T State::*field) {
    std::lock_guard lock(mutex_);
    if (!Answer(call)) return std::nullopt;
    return state_.*field;
}

template <class T>
bool RecordingLink::Put(const std::string& call, T State::*field, T value) {
    std::lock_guard lock(mutex_);
    if (!Answer(call)) return false;
    state_.*field = value;
    return true;
}

void RecordingLink::DelayIsRunning(std::chrono::milliseconds delay) {
    std::lock_guard lock(mutex_);
    isRunningDelay_ = delay;
}

bool RecordingLink::IsRunning() {
    std::chrono::milliseconds delay;
    {
        std::lock_guard lock(mutex_);
        delay = isRunningDelay_;
    }
    std::this_thread::sleep_for(delay);
    std::lock_guard lock(mutex_);
    return Answer("IsRunning");
}

std::optional<double> RecordingLink::Latitude() { return Get("Latitude", &State::latitude); }
std::optional<double> RecordingLink::Longitude() { return Get("Longitude", &State::longitude); }
std::optional<double> RecordingLink::Heading() { return Get("Heading", &State::heading); }
std::optional<double> RecordingLink::AltitudeMetres() { return Get("AltitudeMetres", &State::altitudeMetres); }
std::optional<bool> RecordingLink::Paused() { return Get("Paused", &State::paused); }
std::optional<bool> RecordingLink::Slewing() { return Get("Slewing", &State::slewing); }
std::optional<SimulatorTime> RecordingLink::Time() { return Get("Time", &State::time); }

std::optional<double> RecordingLink::Speed(SpeedKind kind) {
    switch (kind) {
        case SpeedKind::Indicated:
            return Get("Speed IAS", &State::indicated);
        case SpeedKind::True:
            return Get("Speed TAS", &State::trueAir);
        case SpeedKind::Ground:
            return Get("Speed GS", &State::ground);
    }
    return std::nullopt;
}

bool RecordingLink::SetPaused(bool on) { return Put(platform::Format("SetPaused %d", on ? 1 : 0), &State::paused, on); }
bool RecordingLink::SetSlewing(bool on) {
    return Put(platform::Format("SetSlewing %d", on ? 1 : 0), &State::slewing, on);
}
bool RecordingLink::SetTime(const SimulatorTime& time) {
    return Put(platform::Format("SetTime %02d:%02d:%02d", time.hour, time.minute, time.second), &State::time, time);
}
bool RecordingLink::SetAltitudeMetres(double metres) {
    return Put(platform::Format("SetAltitudeMetres %.6f", metres), &State::altitudeMetres, metres);
}
bool RecordingLink::SetAltitudeFeet(double feet) {
    return Put(platform::Format("SetAltitudeFeet %.1f", feet), &State::altitudeMetres, feet * 0.30478512648582745);
}
bool RecordingLink::SetLatitude(double degrees) {
    return Put(platform::Format("SetLatitude %.4f", degrees), &State::latitude, degrees);
}
bool RecordingLink::SetLongitude(double degrees) {
    return Put(platform::Format("SetLongitude %.4f", degrees), &State::longitude, degrees);
}
bool RecordingLink::SetHeading(double degrees) {
    return Put(platform::Format("SetHeading %.1f", degrees), &State::heading, degrees);
}

}  // namespace trevalo
