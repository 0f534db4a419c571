// The wizard's tenth page, "Real Time": a live panel on the running simulator. It shows
// the plane's altitude, position, pause, time and speed, refreshed on its own timer while
// it is the active page, pauses the simulator, sets the altitude and the time of day,
// centres the map on the plane and moves the plane to the route's departure airport. It
// writes nothing into the adventure definition.
#pragma once

#include <QTimer>
#include <functional>
#include <thread>
#include <vector>

#include "adf/values/real_time.h"
#include "map/nav_database.h"
#include "map/route.h"
#include "mapview/simulator_link.h"
#include "qtplatform/property_page.h"
#include "wizard/real_time_link.h"

QT_BEGIN_NAMESPACE
class QTimeEdit;
QT_END_NAMESPACE

namespace trevalo {

inline constexpr const char* kPlaneNotLocatedMessage =
    "The plane could not be located. This could be because:\n\n-The simulator is not running.\n-The DLLs needed "
    "are not in the correct directories.\n-Or there was a problem retreiving the data needed.\n\nRefer to the "
    "manual for more information\n";
inline constexpr const char* kPlaneNotLocatedCaption = "Could not Locate DLL and/or FS";
inline constexpr const char* kNoDepartureAirportMessage = "No airport to move too";
inline constexpr const char* kDepartureNotAirportMessage =
    "The route does not start at an airport.\nThe plane can only be moved to a departure airport.";
inline constexpr const char* kInvalidRequestCaption = "Invalid request";
inline constexpr int kGoToPlaneZoom = 64;

class CWizardPage10 : public qtplatform::PropertyPage {
public:
    enum Control : int {
        kAltitude = 1008,
        kSpeed = 1013,
        kLatitude = 1237,
        kLongitude = 1239,
        kHelp = 1050,
        kFeet = 1301,
        kMetre = 1302,
        kBrowse1 = 1303,
        kInterval = 1304,
        kBrowse2 = 1305,
        kIntervalSpin = 1306,
        kPause = 1307,
        kMoveToDeparture = 1308,
        kDate = 1309,
        kTime = 1310,
        kAltitudeSpin = 1311,
        kSpeedSpin = 1313,
        kGroundSpeed = 1316,
        kTrueAirspeed = 1317,
        kIndicatedAirspeed = 1318,
        kGoToPlane = 1319,
    };
    // Latitude and longitude in degrees; the map centres on them at zoom 64.
    using CentreMap = std::function<void(double latitude, double longitude)>;

    CWizardPage10(adf::RealTimeValues& values, const NavDatabase& database, const Route& route,
                  SimulatorLink& link = SimlinkerLink());
    ~CWizardPage10() override;  // waits for a reading under way

    void SetCentreMap(CentreMap centre) { centreMap_ = std::move(centre); }

    // Unless forced, only while this is the sheet's active page and no box is up. Stops at
    // the first call that fails; the link's controls are disabled while the simulator
    // does not answer.
    void Refresh(bool forced);
    // The timer's tick: the same refresh, read on a worker so that a simulator that hangs
    // holds up no window; none while one is under way.
    void OnRefreshTimer();
    bool Refreshing() const { return refreshing_; }
    bool RefreshTimerActive() const { return timer_.isActive(); }
    int RefreshPeriodMs() const { return timer_.interval(); }

    void OnPause();
    void OnMoveToDeparture();
    void OnGoToPlane();
    void OnTimeChanged();
    void OnAltitudeSpin(int delta);
    void OnIntervalSpin(int delta);

protected:
    bool OnInitDialog() override;
    bool OnSetActive() override;
    // A typed interval takes effect when the page is left.
    bool OnKillActive() override;
    void DoDataExchange(qtplatform::DataExchange& dx) override;

private:
    // What a refresh reads from the simulator, and writes back.
    void ExchangeLiveValues(qtplatform::DataExchange& dx);
    void ExchangeTime(qtplatform::DataExchange& dx);
    void ShowLiveValues();
    bool MayRefresh(bool forced) const;
    struct Choices {
        AltitudeUnit unit;
        std::optional<SpeedKind> speed;
    };
    // Only the choices the reading needs: a refresh never refuses a value.
    Choices ReadChoices();
    void Apply(const LiveReading& reading);
    void EnableLinkControls(bool enabled);
    void StartTimer();
    // The simulator check before an action: false (and the box shown) when it does not run.
    bool SimulatorAnswers();
    AltitudeUnit Unit() const;
    std::optional<SpeedKind> ChosenSpeed() const;

    adf::RealTimeValues& values_;
    const NavDatabase& database_;
    const Route& route_;
    SimulatorLink& link_;
    CentreMap centreMap_;
    SimulatorTime time_;    // the time of day shown, preset to the current time
    int unit_ = -1;         // the radio buttons from Feet: 0 Feet, 1 Metre
    int speedKind_ = -1;    // the radio buttons from GS: 0 GS, 1 TAS, 2 IAS
    bool showing_ = false;  // the time picker's changes come from a refresh
    QTimer timer_;
    std::thread worker_;
    bool refreshing_ = false;  // a worker reads; only the user-interface thread touches it
    QTimeEdit* timeEdit_;
    std::vector<QWidget*> linkControls_;
};

}  // namespace trevalo
