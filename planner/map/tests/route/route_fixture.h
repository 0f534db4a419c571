// The route tests' world: the database world of nav_world.h with a route wired to fakes
// of the dialogs, pages and view.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "map/nav_database.h"
#include "map/route.h"
#include "map/route_ports.h"
#include "nav_world.h"
#include "platform/message_box.h"

namespace trevalo::testing {

// The entries' texts, as FormatPickListEntry writes them.
std::vector<std::string> EntryTexts(const std::vector<PickListEntry>& entries);

struct FakeDialogs : RouteDialogs {
    // Chooses the first entry (airports, then navaids) whose text starts with this; none
    // when empty.
    std::string choosePrefix;
    std::vector<std::vector<std::string>> shownAirports, shownNavaids;  // the entries' texts
    std::optional<VorDialogChoice> vorChoice = VorDialogChoice{};
    std::vector<VorDialogRequest> vorRequests;

    std::optional<PickListEntry> SelectId(const std::vector<PickListEntry>& airports,
                                          const std::vector<PickListEntry>& navaids) override;
    std::optional<VorDialogChoice> SelectVor(const VorDialogRequest& request) override;
};

struct FakeHost : RouteHost {
    int redraws = 0, generations = 0, closes = 0, fileNews = 0;
    void RedrawAll(bool) override { ++redraws; }
    void RunGeneration() override { ++generations; }
    void ClosePlanner() override { ++closes; }
    void ApplicationFileNew() override { ++fileNews; }
};

struct RouteRecordCall {
    int index;
    int altitude;
    std::string extra, ident, type, latitude, longitude, routeText, recordLine;
};

struct FakeFlightPlan : FlightPlanPage {
    std::vector<RouteRecordCall> records;
    std::vector<RouteListEntry> routeList;
    void SetRouteRecord(int index, int altitude, const std::string& extra, const std::string& ident,
                        const std::string& type, const std::string& latitude, const std::string& longitude,
                        const std::string& routeText, const std::string& recordLine) override {
        records.push_back({index, altitude, extra, ident, type, latitude, longitude, routeText, recordLine});
    }
    std::vector<RouteListEntry> RouteListEntries() const override { return routeList; }
};

struct FakeLanding : LandingPage {
    bool holding = false;
    std::vector<int> resets;
    int refreshes = 0, updates = 0;
    void ResetAirportProcedures(int firstAirport) override { resets.push_back(firstAirport); }
    void RefreshAirportList() override { ++refreshes; }
    void UpdateProcedures() override { ++updates; }
    std::vector<std::string> ProcedureLegs(int) const override { return {}; }
    bool HoldingEnabled() const override { return holding; }
};

// Route points made by hand.
CRoutePoint AirportPoint(const NavDatabase& database, int number, bool endTwo);
CRoutePoint NavaidPoint(const NavDatabase& database, int number, double radial = 0.0, const std::string& role = {},
                        bool to = true);

// The world of NavWorldTest with a route wired to fakes.
class RouteWorldTest : public NavWorldTest {
protected:
    void SetUp() override;

    // Picks the entry starting with prefix near the record's position.
    void PickAt(double x, double y, const std::string& prefix) {
        dialogs_.choosePrefix = prefix;
        route_->AddRoutePointAt(x, y);
    }
    void PickAirport(int number, const std::string& prefix) { PickAt(Airport(number).x, Airport(number).y, prefix); }
    void PickNavaid(int number, const std::string& prefix) { PickAt(Navaid(number).x, Navaid(number).y, prefix); }
    // Adds to the world a longer runway of Otherton beside its first (side R, heading
    // 180.5: within a degree of it) and loads the world again, with a new route; returns
    // the runway's record number.
    int AddOthertonParallel();
    // A new route on the database, wired to the fakes.
    void MakeRoute();

    FakeDialogs dialogs_;
    FakeHost host_;
    FakeFlightPlan flightPlan_;
    FakeLanding landing_;
    std::unique_ptr<Route> route_;
};

}  // namespace trevalo::testing
