// Create adventure, then reopening the definition (as at start-up, and by File > Open
// 'Adf' after File > New), then Create adventure again gives every file back byte for
// byte, over SIDs and STARs, every kind of route point, holdings, a corrected start,
// turn corrections and parallel runways.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>

#include "landing/landing_slots.h"
#include "map/corrected_airport.h"
#include "map/sidstar_leg_line.h"
#include "platform/message_box.h"
#include "route_fixture.h"
#include "shell/compile_adventure.h"
#include "shell/settings.h"
#include "wizard/wizard_sheet.h"

namespace trevalo {
namespace {

namespace fs = std::filesystem;
using Files = std::map<std::string, std::string>;

// What F7 writes, below the base directory.
const char* const kBuiltFiles[] = {"map_internal.adf", "Trip/Trip.adf", "Trip/Trip.pln",
                                   "Trip/Trip.flt",    "Trip/Trip.txt", "Trip/Trip.brf"};

enum class Reopening { StartUp, FileOpen };

// The first line where two texts differ, or empty when they are the same.
std::string FirstDifference(const std::string& a, const std::string& b) {
    size_t line = 1, start = 0;
    for (size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        if (i >= a.size() || i >= b.size() || a[i] != b[i]) {
            auto lineAt = [start](const std::string& text) {
                return text.substr(start, text.find('\n', start) - start);
            };
            return "line " + std::to_string(line) + ": \"" + lineAt(a) + "\" became \"" + lineAt(b) + "\"";
        }
        if (a[i] == '\n') ++line, start = i + 1;
    }
    return {};
}

class ReopenRoundTripTest : public testing::RouteWorldTest {
protected:
    void SetUp() override {
        RouteWorldTest::SetUp();
        parallel_ = AddOthertonParallel();
        for (const char* name : {"QuilletDefault.flt", "QuilletDefault.bmp", "QuilletDefault.brf"})
            fs::copy_file(fs::path(QUILLET_DATA_DIR) / name, env_.driveC() / "Quillet" / name);
        OpenSheet();
    }
    // The wizard sheet on the route, as the planner makes it once the route is read.
    void OpenSheet() {
        sheet_ = std::make_unique<CWizardSheet>(*database_, *route_,
                                                [](const std::string& source) { return CompileAdventure(source); });
        sheet_->show();
    }
    adf::WizardValues& Values() const { return sheet_->Values(); }

    // File > New, then a titled adventure whose plane has its values.
    void NewAdventure() {
        route_->RemoveAllRoutePoints();
        sheet_->ResetPages();
        Values().general.title = "Trip";
        Values().plane.performance = {.planeName = "C182", .vr = 60, .v1 = 55, .v2 = 65, .cruiseAltitude = 5000};
        sheet_->ShowValues();
    }
    void SetRoute(std::vector<CRoutePoint> points) {
        route_->Points() = std::move(points);
        sheet_->ShowValues();
    }
    // A procedure of n legs chosen on the landing page for the route's airport.
    void ChooseProcedure(int airport, const std::string& ident, int n, double latitude, double westLongitude) {
        Values().landing.defaultLanding = 0;
        std::vector<fileval> legs(static_cast<size_t>(n) + 1);
        for (int i = 0; i < n; ++i) {
            ProcedureLeg leg;
            leg.latitude = latitude + 0.05 * i;
            leg.longitude = westLongitude + 0.02 * i;
            leg.nextIdent = ident;
            FillLegRecord(legs[static_cast<size_t>(i)], i + 1, leg, ident);
        }
        StoreProcedure(Values().landing.airports[static_cast<size_t>(airport)], ident, legs);
        sheet_->ShowValues();
    }

    // F7: the map's last drawing handed the route to the flight plan; the route file,
    // then the sheet's road. The files it wrote.
    Files PressF7() {
        route_->ValidateTrip();
        route_->OnCreateAdventure();
        sheet_->CreateAdventure();
        Files files;
        for (const char* name : kBuiltFiles)
            files[name] = platform::testing::TempEnvironment::readFile(env_.driveC() / "Quillet" / name);
        return files;
    }
    void Reopen(Reopening how) {
        if (how == Reopening::StartUp) {
            // A new planner: the route from the route file, the sheet, the last build.
            sheet_.reset();
            MakeRoute();
            route_->ReadInternalAdf();
            OpenSheet();
        } else {
            NewAdventure();
        }
        route_->RemoveAllRoutePoints();
        ASSERT_TRUE(sheet_->LoadAdventure(Settings().ReadString(SettingId::LastBuild)));
    }

    // Every question answered Yes: the ILS used, the folder replaced, the source made.
    platform::MessageBoxRecorder boxes_{std::vector<platform::MbResult>(100, platform::MbResult::Yes)};
    std::unique_ptr<CWizardSheet> sheet_;
    int parallel_ = 0;
};

TEST_F(ReopenRoundTripTest, CreateReopenAndCreateAgainWriteTheSameFiles) {
    using testing::AirportPoint;
    using testing::NavaidPoint;
    const struct {
        const char* what;
        std::function<void()> arrange;
    } cases[] = {
        {"a SID and a STAR after navaids",
         [this] {
             SetRoute({AirportPoint(*database_, spf_, true), NavaidPoint(*database_, vorSpf_, 120, kVor1Role, false),
                       NavaidPoint(*database_, dmeThd_), NavaidPoint(*database_, ndbOt_),
                       AirportPoint(*database_, otr_, true)});
             ChooseProcedure(0, "SPF1", 3, 47.3, 122.2);
             ChooseProcedure(1, "OTR2", 4, 45.6, 120.5);
         }},
        {"holdings at every kind of place",
         [this] {
             Values().keys.holdingPatterns = 1;
             std::vector<CRoutePoint> points = {
                 AirportPoint(*database_, spf_, true), AirportPoint(*database_, otr_, true),
                 AirportPoint(*database_, otr_, false), AirportPoint(*database_, thr_, true)};
             points[1].holding = kHolding10Nm;
             points[2].holding = kNoHolding;
             points[3].holding = vorOtr_ - 1;  // the navaid's index in the navaid list
             SetRoute(points);
         }},
        {"a route picked on the map, the briefing page not shown since",
         [this] {
             route_->Points() = {AirportPoint(*database_, spf_, true), AirportPoint(*database_, thr_, true)};
         }},
        {"a corrected start",
         [this] {
             files_.WriteBaseFile(kCorrectionsFileName, "id=KSPF\r\nrn=L28\r\nlat=47.5\r\nlon=-122.25\r\n");
             SetRoute({AirportPoint(*database_, spf_, true), AirportPoint(*database_, otr_, true)});
         }},
        {"the longer of two parallel runways, with a STAR",
         [this] {
             SetRoute({AirportPoint(*database_, spf_, true), AirportPoint(*database_, parallel_, true)});
             ChooseProcedure(1, "OTR3", 2, 46.4, 121.3);
         }},
        {"a STAR of more points than a route point holds",
         [this] {
             SetRoute({AirportPoint(*database_, spf_, true), NavaidPoint(*database_, ndbOt_),
                       AirportPoint(*database_, otr_, true)});
             ChooseProcedure(1, "LONG4", 14, 45.2, 120.1);
         }},
    };
    for (const Reopening how : {Reopening::StartUp, Reopening::FileOpen}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.what) + (how == Reopening::StartUp ? ", at start-up" : ", by File > Open"));
            fs::remove(env_.driveC() / "Quillet" / kCorrectionsFileName);
            NewAdventure();
            c.arrange();
            const Files first = PressF7();
            ASSERT_NE(first.at("Trip/Trip.adf"), "");
            Reopen(how);
            const Files second = PressF7();
            for (const auto& [name, bytes] : first) EXPECT_EQ(FirstDifference(bytes, second.at(name)), "") << name;
        }
    }
}

}  // namespace
}  // namespace trevalo
