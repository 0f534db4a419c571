#include "mapview/simulator_plane_timer.h"

#include <algorithm>

#include "platform/numbers.h"
#include "shell/settings.h"

namespace trevalo {
namespace {

constexpr int kMillisecondsPerSecond = 1000;
constexpr int kLongestIntervalSeconds = 60;
constexpr int kOffPeriodMs = 5000;

}  // namespace

int PlanePolling::TimerPeriodMs() const {
    return intervalSeconds > 0 ? intervalSeconds * kMillisecondsPerSecond : kOffPeriodMs;
}

PlanePolling PlanePollingFromSettings(std::string_view movePlane, std::string_view updateSeconds) {
    if (movePlane != "1") return {};
    const int seconds = platform::LeadingInt(updateSeconds);
    return {seconds <= 0 ? 0 : std::min(seconds, kLongestIntervalSeconds)};
}

PlanePolling ReadPlanePolling() {
    const Settings settings;
    return PlanePollingFromSettings(settings.ReadString(SettingId::RealMovePlane),
                                    settings.ReadString(SettingId::RealMovePlaneUpdt));
}

std::optional<PlanePosition> ReadSimulatorPlane(SimulatorLink& link) {
    if (!link.IsRunning()) return std::nullopt;
    const std::optional<double> latitude = link.Latitude();
    if (!latitude) return std::nullopt;
    const std::optional<double> longitude = link.Longitude();
    if (!longitude) return std::nullopt;
    const std::optional<double> heading = link.Heading();
    if (!heading) return std::nullopt;
    return PlanePositionFromDegrees(*latitude, *longitude, *heading);
}

bool PlaneTracker::Apply(const std::optional<PlanePosition>& reading) {
    if (reading == plane_) return false;
    plane_ = reading;
    return true;
}

SimulatorPlaneTimer::SimulatorPlaneTimer(SimulatorLink& link, Redraw redraw, PollingSource polling)
    : link_(link), redraw_(std::move(redraw)), pollingSource_(std::move(polling)) {
    connect(&timer_, &QTimer::timeout, this, &SimulatorPlaneTimer::Tick);
}

SimulatorPlaneTimer::~SimulatorPlaneTimer() {
    if (worker_.joinable()) worker_.join();
}

void SimulatorPlaneTimer::Start() { Tick(); }

void SimulatorPlaneTimer::Tick() {
    const PlanePolling polling = pollingSource_();
    if (!timer_.isActive() || timer_.interval() != polling.TimerPeriodMs()) timer_.start(polling.TimerPeriodMs());
    enabled_ = polling.intervalSeconds > 0;
    if (!enabled_) {
        Apply(std::nullopt);
        return;
    }
    if (polling_) return;
    // The last worker has handed over its answer, so it has ended or is ending.
    if (worker_.joinable()) worker_.join();
    polling_ = true;
    worker_ = std::thread([this] {
        const std::optional<PlanePosition> reading = ReadSimulatorPlane(link_);
        QMetaObject::invokeMethod(
            this,
            [this, reading] {
                polling_ = false;
                // Switched off meanwhile: the answer is not drawn.
                Apply(enabled_ ? reading : std::nullopt);
            },
            Qt::QueuedConnection);
    });
}

void SimulatorPlaneTimer::Apply(const std::optional<PlanePosition>& reading) {
    if (tracker_.Apply(reading) && redraw_) redraw_();
}

}  // namespace trevalo
