// A small world for the route tests: database files written to a temporary drive C and
// loaded through the real loaders, and fakes of the dialogs, pages and view.
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
#include "navdata_testing/scenery_lines.h"
#include "platform/message_box.h"
#include "testing/temp_environment.h"

namespace trevalo::testing {

inline constexpr const char* kBaseDirectory = "C:\\Quillet\\";

// Collects record lines, writes Airport.nav, Navaids.nav and Ils.nav, and loads them.
class WorldFiles {
public:
    explicit WorldFiles(platform::testing::TempEnvironment& env) : env_(env) {}

    // Each returns the 1-based record number.
    int AddAirport(const navdata::testing::AirportFields& fields);
    int AddNavaid(const navdata::testing::NavaidFields& fields);
    int AddIls(const navdata::testing::IlsFields& fields);

    std::unique_ptr<NavDatabase> Load() const;
    // Writes a file below the base directory.
    void WriteBaseFile(const std::string& name, const std::string& bytes) const;
    std::string ReadBaseFile(const std::string& name) const;

private:
    platform::testing::TempEnvironment& env_;
    std::vector<std::string> airports_, navaids_, ils_;
};

const AirportRecord* FindAirport(const NavDatabase& database, int number);
const NavaidRecord* FindNavaid(const NavDatabase& database, int number);

struct FakeDialogs : RouteDialogs {
    // Chooses the first entry (airports, then navaids) that starts with this; none when empty.
    std::string choosePrefix;
    std::vector<std::vector<std::string>> shownAirports, shownNavaids;
    std::optional<VorDialogChoice> vorChoice = VorDialogChoice{};
    std::vector<VorDialogRequest> vorRequests;

    std::optional<std::string> SelectId(const std::vector<std::string>& airports,
                                        const std::vector<std::string>& navaids) override;
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
    bool HoldingEnabled() const override { return holding; }
};

// Route points made by hand.
CRoutePoint AirportPoint(const NavDatabase& database, int number, bool endTwo);
CRoutePoint NavaidPoint(const NavDatabase& database, int number, double radial = 0.0,
                        const std::string& role = {}, bool to = true);

// Three airports, four navaids and three ILS round Springfield, loaded, with a route
// wired to fakes.
class RouteWorldTest : public ::testing::Test {
protected:
    void SetUp() override;

    const AirportRecord& Airport(int number) const { return *FindAirport(*database_, number); }
    const NavaidRecord& Navaid(int number) const { return *FindNavaid(*database_, number); }
    // Picks the entry starting with prefix near the record's position.
    void PickAt(double x, double y, const std::string& prefix) {
        dialogs_.choosePrefix = prefix;
        route_->AddRoutePointAt(x, y);
    }
    void PickAirport(int number, const std::string& prefix) {
        PickAt(Airport(number).x, Airport(number).y, prefix);
    }
    void PickNavaid(int number, const std::string& prefix) {
        PickAt(Navaid(number).x, Navaid(number).y, prefix);
    }

    platform::testing::TempEnvironment env_;
    WorldFiles files_{env_};
    std::unique_ptr<NavDatabase> database_;
    FakeDialogs dialogs_;
    FakeHost host_;
    FakeFlightPlan flightPlan_;
    FakeLanding landing_;
    std::unique_ptr<Route> route_;

    // Record numbers.
    int spf_ = 0, otr_ = 0, thr_ = 0;               // airports
    int vorSpf_ = 0, ndbOt_ = 0, vorOtr_ = 0, dmeThd_ = 0;  // navaids
    int ilsSpf_ = 0, ilsOtr_ = 0, ilsThr_ = 0;
};

}  // namespace trevalo::testing
