// The map view's route: up to 500 route points built by picking airports and navaids
// near a map click, taken back one by one, checked against the databases, written to
// and read back from the route file map_internal.adf in the base directory.
// Plain C++: the planner's document owns one Route beside its NavDatabase; the map view
// that shows it attaches its dialogs and itself, and forwards its commands to it.
#pragma once

#include <string>
#include <vector>

#include "map/nav_database.h"
#include "map/route_point.h"
#include "map/route_ports.h"

namespace trevalo {

inline constexpr const char* kRouteFileName = "map_internal.adf";

class Route {
public:
    explicit Route(const NavDatabase& database);

    // The view that shows the route: its pick list and radial dialogs, and itself for the
    // redraws and the generation. Without dialogs (null) no point can be picked; without
    // a host nothing is redrawn. A view leaving attaches nulls.
    void AttachView(RouteDialogs* dialogs, RouteHost* host);

    // The wizard's pages while the wizard exists; null when it does not.
    void SetWizardPages(FlightPlanPage* flightPlan, LandingPage* landing);

    const std::vector<CRoutePoint>& Points() const { return points_; }
    // The holding dialogs set the points' holding values through this.
    std::vector<CRoutePoint>& Points() { return points_; }
    int Count() const { return static_cast<int>(points_.size()); }

    // Adds what the user picks near the map click (x, y in arc-seconds).
    void AddRoutePointAt(double clickX, double clickY);

    // Shows the pick list of what lies near the click; returns the chosen kind (0 airport,
    // 1 VOR, 2 NDB, 3 DME) with the point's values, or -1 when nothing is chosen.
    int BuildPickList(double clickX, double clickY, double& x, double& y, double& course, double& databaseNumber,
                      bool& directionFlag, std::string& ident);

    // Removes the point at the 1-based position first, and what hangs on it.
    void RemoveRoutePoints(int first);
    void RemoveAllRoutePoints();

    void OnUndoSelection();
    bool CanUndo() const { return !points_.empty(); }
    void OnFileNew();

    // Hands every route point's record to the flight-plan page; a route that no longer
    // matches the loaded airports is emptied.
    void ValidateTrip();
    // The flight-plan page's route list (the trip the map draws); empty without the page.
    std::vector<RouteListEntry> TripEntries() const {
        return flightPlan_ != nullptr ? flightPlan_->RouteListEntries() : std::vector<RouteListEntry>{};
    }

    // Writes the route file (replacing the old one only when complete), then runs the
    // generation.
    void OnCreateAdventure();

    // Rebuilds the route from the route file.
    void ReadInternalAdf();
    // The same from the lines of a route file, or of a definition that carries one.
    void ReadRouteLines(const std::vector<std::string>& lines);

    std::string RouteFilePath() const;

private:
    bool HasRoomFor(int newPoints) const;
    bool RunVorDialog(int previousVor1, double x, double y, CRoutePoint& point);
    int LastVor1Index() const;
    int AirportsBefore(int index) const;

    const NavDatabase& database_;
    RouteDialogs* dialogs_;
    RouteHost* host_;
    FlightPlanPage* flightPlan_ = nullptr;
    LandingPage* landing_ = nullptr;
    std::vector<CRoutePoint> points_;
};

}  // namespace trevalo
