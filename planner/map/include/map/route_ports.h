// What the route editing and the route file need from the dialogs, the wizard pages and
// the map view. The GUI implements these; tests use fakes.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "map/pick_list_entry.h"
#include "map/route_point.h"

namespace trevalo {

// What CSelectVorDlg is opened with.
struct VorDialogRequest {
    double previousX = -1.0, previousY = -1.0;  // the previous VOR point; -1 when unset
    double x = -1.0, y = -1.0;                  // this point
    int correction = 0;                         // whole degrees subtracted from the course
    const std::vector<CRoutePoint>* routePoints = nullptr;
    int selectedPoint = -1;
};

// What CSelectVorDlg gives back on OK.
struct VorDialogChoice {
    int whichVor = 0;     // 0 first ("VOR1"), 1 second ("VOR2")
    unsigned radial = 0;  // 0 to 359
    bool to = true;       // TO (true) or FROM
};

// The pick list (CSelectIdDlg) and the radial dialog (CSelectVorDlg).
class RouteDialogs {
public:
    virtual ~RouteDialogs() = default;
    // The runway directions of the airports near the click, then its navaids. Returns
    // the chosen entry, nullopt when none.
    virtual std::optional<PickListEntry> SelectId(const std::vector<PickListEntry>& airportEntries,
                                                  const std::vector<PickListEntry>& navaidEntries) = 0;
    // nullopt on Cancel.
    virtual std::optional<VorDialogChoice> SelectVor(const VorDialogRequest& request) = 0;
};

// One entry of the flight-plan page's route list, as the route file writer reads it.
struct RouteListEntry {
    std::string ident;
    std::string type;  // "A" airport, "U" user point, ...
    std::string latitude;
    std::string longitude;
};

// The wizard's flight-plan page (CWizardPage3).
class FlightPlanPage {
public:
    virtual ~FlightPlanPage() = default;
    virtual void SetRouteRecord(int index, int altitude, const std::string& extra, const std::string& ident,
                                const std::string& type, const std::string& latitude, const std::string& longitude,
                                const std::string& routeText, const std::string& recordLine) = 0;
    // The route list from its first entry up to the first unused one.
    virtual std::vector<RouteListEntry> RouteListEntries() const = 0;
};

// The wizard's landing page (CWizardPage5) and the holding switch of the wizard.
class LandingPage {
public:
    virtual ~LandingPage() = default;
    // Empties the procedure slots of the route airports from firstAirport (0-based) on.
    virtual void ResetAirportProcedures(int firstAirport) = 0;
    virtual void RefreshAirportList() = 0;
    // Brings the per-airport procedure data up to date with the route.
    virtual void UpdateProcedures() = 0;
    // The leg lines of the procedure chosen for the route's airport (0-based among the
    // route's airports), every one of them: a route point carries only the first ten.
    virtual std::vector<std::string> ProcedureLegs(int airport) const = 0;
    virtual bool HoldingEnabled() const = 0;
};

// The map view and the application around the route.
class RouteHost {
public:
    virtual ~RouteHost() = default;
    virtual void RedrawAll(bool erase) = 0;
    // Wait cursor, redraw lock and the generation driver, after the route file is written.
    virtual void RunGeneration() = 0;
    // Closes the planner (the user chose to quit after a file error).
    virtual void ClosePlanner() = 0;
    // The application's New, after the route has been emptied.
    virtual void ApplicationFileNew() = 0;
};

}  // namespace trevalo
