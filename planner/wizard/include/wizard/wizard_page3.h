// The wizard's third page, "Flight Plan": the route as the map view hands it, the flight
// plan made from it for the simulator's GPS, and the plan's type, cruising altitude and
// titles. Its model (flightplan/flight_plan.h) writes the .pln and the flight file's
// waypoint lines.
#pragma once

#include <functional>

#include "flightplan/flight_plan.h"
#include "map/route_ports.h"
#include "qtplatform/property_page.h"

QT_BEGIN_NAMESPACE
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
QT_END_NAMESPACE

namespace trevalo {

inline constexpr const char* kFlightPlanPageHelp =
    "The flight plan is made from the route on the map.\nWith Enable Flight Planning the adventure gets a flight "
    "plan,\n(.pln), that the simulator's GPS follows.";

class CWizardPage3 : public qtplatform::PropertyPage, public FlightPlanPage {
public:
    enum Control : int {
        kTitle = 1002,
        kDescription = 1005,
        kAltitude = 1008,
        kHelp = 1050,
        kEnableFlightPlanning = 1053,
        kType = 1055,
        kRouteList = 1057,
    };

    explicit CWizardPage3(const LandingProcedures& procedures);

    FlightPlan& Model() { return plan_; }
    const FlightPlan& Model() const { return plan_; }

    // FlightPlanPage: the map view's records; the end record makes the plan again.
    void SetRouteRecord(int index, int altitude, const std::string& extra, const std::string& ident,
                        const std::string& type, const std::string& latitude, const std::string& longitude,
                        const std::string& routeText, const std::string& recordLine) override;
    // The plan's records, where the user points of the turn corrections are.
    std::vector<RouteListEntry> RouteListEntries() const override;

    void OnEnableFlightPlanning();
    // File > New.
    void Reset();
    // Told the route list's highest altitude each time the list is filled again (the
    // weather page's cloud base).
    void SetBaseAltitudeHandler(std::function<void(int feet)> handler) { baseAltitudeChanged_ = std::move(handler); }

protected:
    bool OnInitDialog() override;
    bool OnSetActive() override;
    void DoDataExchange(qtplatform::DataExchange& dx) override;

private:
    // The plan's lines and titles into the controls.
    void ShowPlan();
    void ApplyEnableRule();

    FlightPlan plan_;
    std::function<void(int feet)> baseAltitudeChanged_;
    std::string help_ = kFlightPlanPageHelp;
    QCheckBox* enable_;
    QComboBox* type_;
    QLineEdit* altitude_;
    QLineEdit* description_;
    QLineEdit* title_;
    QListWidget* routeList_;
};

}  // namespace trevalo
