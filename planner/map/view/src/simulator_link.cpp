// The TR_ functions behind SimulatorLink. They answer 0 both for a failed call and for a
// true zero, so a zero is taken only when the simulator still answers.
#include "mapview/simulator_link.h"

#include "simlinker/simlinker.h"

namespace trevalo {
namespace {

class CSimlinkerLink final : public SimulatorLink {
public:
    bool IsRunning() override { return TR_IsFSRunning() != 0; }

    std::optional<double> Latitude() override { return Confirmed(TR_GetFSLat()); }
    std::optional<double> Longitude() override { return Confirmed(TR_GetFSLon()); }
    std::optional<double> Heading() override { return Confirmed(TR_GetFSHdg()); }
    std::optional<double> AltitudeMetres() override { return Confirmed(TR_GetFSAltM()); }
    std::optional<bool> Paused() override { return ConfirmedFlag(TR_GetFSPause()); }
    std::optional<bool> Slewing() override { return ConfirmedFlag(TR_GetFSSlew()); }

    std::optional<SimulatorTime> Time() override {
        SimulatorTime time;
        TR_GetFSTime(&time.hour, &time.minute, &time.second);
        if (time == SimulatorTime{} && !IsRunning()) return std::nullopt;
        return time;
    }

    std::optional<double> Speed(SpeedKind kind) override {
        switch (kind) {
            case SpeedKind::Indicated:
                return Confirmed(TR_GetFSSpeedIAS());
            case SpeedKind::True:
                return Confirmed(TR_GetFSSpeedTAS());
            case SpeedKind::Ground:
                return Confirmed(TR_GetFSSpeedGS());
        }
        return std::nullopt;
    }

    bool SetPaused(bool on) override { return TR_SetFSPause(on ? 1 : 0) != 0; }
    bool SetSlewing(bool on) override { return TR_SetFSSlew(on ? 1 : 0) != 0; }
    bool SetTime(const SimulatorTime& time) override { return TR_SetFSTime(time.hour, time.minute, time.second) != 0; }
    bool SetAltitudeMetres(double metres) override { return TR_SetFSAltM(metres) != 0; }
    bool SetAltitudeFeet(double feet) override { return TR_SetFSAltF(feet) != 0; }
    bool SetLatitude(double degrees) override { return TR_SetFSLat(degrees) != 0; }
    bool SetLongitude(double degrees) override { return TR_SetFSLon(degrees) != 0; }
    bool SetHeading(double degrees) override { return TR_SetFSHdg(degrees) != 0; }

private:
    std::optional<double> Confirmed(double value) {
        if (value == 0.0 && !IsRunning()) return std::nullopt;
        return value;
    }
    std::optional<bool> ConfirmedFlag(int value) {
        if (value == 0 && !IsRunning()) return std::nullopt;
        return value != 0;
    }
};

}  // namespace

SimulatorLink& SimlinkerLink() {
    static CSimlinkerLink link;
    return link;
}

}  // namespace trevalo
