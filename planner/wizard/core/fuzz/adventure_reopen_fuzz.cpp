// Create adventure, reopening and Create adventure again over a small database: the
// input's bytes make the wizard's values, a route with its holdings and the landing
// page's procedures; the route file, the definition, the flight plan and the flight
// file's waypoints are written, read back into new values and a new route, and written
// again. Any byte that differs is reported, and the run stops.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "adf/adventure_definition.h"
#include "flightplan/flight_plan.h"
#include "fuzz_drive.h"
#include "landing/landing_slots.h"
#include "map/corrected_airport.h"
#include "map/headings.h"
#include "map/route.h"
#include "map/sidstar_leg_line.h"
#include "navdata/line_widths.h"
#include "navdata/record_lines.h"
#include "platform/message_box.h"
#include "platform/text_file.h"
#include "wizardcore/reopen_adventure.h"

namespace trevalo {
namespace {

constexpr const char* kBase = "C:\\Quillet\\";
constexpr const char* kAdfPath = "C:\\Quillet\\Trip\\Trip.adf";
constexpr const char* kPlnPath = "C:\\Quillet\\Trip\\Trip.pln";

// Springfield, Otherton with two parallel runways within a degree (the second longer),
// and Thirdton without a side letter; a VOR, an NDB, a second VOR and a DME; Otherton's ILS.
const NavDatabase& Database() {
    static const NavDatabase* database = [] {
        auto airport = [](const char* ident, const char* heading, const char* length, const char* side,
                          const char* latitude, const char* longitude) {
            return navdata::ComposeAirportLine({.city = "Town",
                                                .country = "Freedonia",
                                                .name = std::string(ident) + " Field",
                                                .ident = ident,
                                                .elevation = "120",
                                                .latitude = latitude,
                                                .longitude = longitude,
                                                .runwayHeading = heading,
                                                .runwayLength = length,
                                                .surface = "Asphalt",
                                                .side = side,
                                                .runwayStartLatitude = latitude,
                                                .runwayEndLatitude = "N046* 10'00.00",
                                                .runwayStartLongitude = longitude,
                                                .runwayEndLongitude = "W121* 10'00.00"});
        };
        const std::vector<std::string> airports = {
            airport("KSPF", "270.0", "9800", "L-5.000000", "N047* 27'12.34", "W122* 18'05.67"),
            airport("KOTR", "180.0", "8858", "R0.000000", "N046* 00'00.00", "W121* 00'00.00"),
            airport("KOTR", "180.5", "13780", "R0.000000", "N046* 00'20.00", "W121* 00'20.00"),
            airport("KTHR", "2.0", "5000", "0.000000", "N045* 00'00.00", "W120* 00'00.00")};
        auto navaid = [](const char* type, const char* ident, double frequency, const char* latitude,
                         const char* longitude, const char* name) {
            return navdata::ComposeNavaidLine({.type = type,
                                               .ident = ident,
                                               .frequency = frequency,
                                               .latitude = latitude,
                                               .longitude = longitude,
                                               .elevationFeet = 450,
                                               .name = name});
        };
        const std::vector<std::string> navaids = {
            navaid("VOR", "SPF", 113.4, "N047* 30'00.00", "W122* 20'00.00", "SPRINGFIELD"),
            navaid("NDB", "OT", 350, "N046* 10'00.00", "W121* 10'00.00", "OTHERTON NDB"),
            navaid("VOR", "OTR", 112.1, "N046* 20'00.00", "W121* 20'00.00", "OTHERTON VOR"),
            navaid("DME", "THD", 115.0, "N045* 10'00.00", "W120* 10'00.00", "THIRDTON DME")};
        const std::vector<std::string> ils = {navdata::ComposeIlsLine({.kind = 4,
                                                                       .ident = "IOTR",
                                                                       .airportIdent = "KOTR",
                                                                       .latitude = "N046* 00'00.00",
                                                                       .longitude = "W121* 00'00.00",
                                                                       .frequency = 110.5,
                                                                       .heading = 180.0,
                                                                       .side = "R0.000000"})};
        fuzz::PrivateDrive();
        fuzz::WriteDriveFile("Quillet/Airport.nav", navdata::DatabaseBytes(airports, navdata::kAirportLineWidth));
        fuzz::WriteDriveFile("Quillet/Navaids.nav", navdata::DatabaseBytes(navaids, navdata::kNavaidLineWidth));
        fuzz::WriteDriveFile("Quillet/Ils.nav", navdata::DatabaseBytes(ils, navdata::kIlsLineWidth));
        fuzz::WriteDriveFile("Quillet/Trip/Trip.adf", "");
        auto* loaded = new NavDatabase(kBase);
        loaded->LoadAirportFile();
        loaded->LoadNavaidFile();
        loaded->LoadIlsFile();
        return loaded;
    }();
    return *database;
}

template <class Record>
const Record* FindRecord(const Grid<Record>& grid, int number) {
    for (const auto& cell : grid)
        for (const Record& record : cell)
            if (static_cast<int>(record.number) == number) return &record;
    return nullptr;
}

// The landing page over the wizard's values, without its list.
class LandingModel : public LandingPage {
public:
    LandingModel(adf::WizardValues& values, Route& route) : values_(values), route_(route) {}
    void ResetAirportProcedures(int firstAirport) override { ResetLandingSlots(values_.landing, firstAirport); }
    void RefreshAirportList() override {
        RefreshLandingSlots(values_.landing, route_.Points());
        UpdateProcedures();
    }
    void UpdateProcedures() override { RebuildRouteProcedures(values_.landing, route_.Points()); }
    std::vector<std::string> ProcedureLegs(int airport) const override {
        return ProcedureLegLines(values_.landing, airport);
    }
    bool HoldingEnabled() const override { return values_.keys.holdingPatterns != 0; }

private:
    adf::WizardValues& values_;
    Route& route_;
};

// The flight-plan page over its model, without its list.
class FlightPlanModel : public FlightPlanPage {
public:
    explicit FlightPlanModel(const adf::WizardValues& values) : procedures_(values.landing), plan_(procedures_) {}
    void SetRouteRecord(int index, int altitude, const std::string& extra, const std::string& ident,
                        const std::string& type, const std::string& latitude, const std::string& longitude,
                        const std::string& routeText, const std::string& recordLine) override {
        plan_.SetRouteRecord(index, {altitude, ident, type, latitude, longitude, routeText, recordLine, extra});
    }
    std::vector<RouteListEntry> RouteListEntries() const override {
        std::vector<RouteListEntry> entries;
        for (const RouteRecord& record : plan_.Plan().Records())
            entries.push_back({record.ident, record.type, record.latitude, record.longitude});
        return entries;
    }
    FlightPlan& Plan() { return plan_; }

private:
    LandingSlotProcedures procedures_;
    FlightPlan plan_;
};

// What Create adventure writes, the route file's lines first.
struct Written {
    std::vector<std::string> routeFile, definition, flightPlan, fltWaypoints;
};

// The planner: its route, the wizard's values and the two pages on them.
class Planner : public RouteHost {
public:
    explicit Planner(adf::WizardValues values) : values_(std::move(values)) {
        route_.AttachView(nullptr, this);
        route_.SetWizardPages(&flightPlan_, &landing_);
    }
    adf::WizardValues& Values() { return values_; }
    Route& GetRoute() { return route_; }
    LandingModel& Landing() { return landing_; }

    // F7 after the map's drawing handed the route to the flight plan; false when the
    // route file was not written (a holding not placed).
    bool CreateAdventure(Written& written) {
        written_ = &written;
        route_.ValidateTrip();
        route_.OnCreateAdventure();
        return !written.definition.empty();
    }

    void RunGeneration() override {
        platform::ReadLines(route_.RouteFilePath(), written_->routeFile);
        written_->definition = adf::ComposeDefinition(values_, written_->routeFile, kBase);
        adf::WriteDefinitionFile(kAdfPath, written_->definition);
        if (flightPlan_.Plan().WriteFlightPlan(kAdfPath)) platform::ReadLines(kPlnPath, written_->flightPlan);
        written_->fltWaypoints = flightPlan_.Plan().FltWaypointLines();
    }
    void RedrawAll(bool) override {}
    void ClosePlanner() override {}
    void ApplicationFileNew() override {}

private:
    adf::WizardValues values_;
    Route route_{Database()};
    LandingModel landing_{values_, route_};
    FlightPlanModel flightPlan_{values_};
    Written* written_ = nullptr;
};

// A text as the user types it: any characters but the C strings' end.
std::string Text(FuzzedDataProvider& in, size_t most = 40) {
    std::string text = in.ConsumeRandomLengthString(most);
    std::erase(text, '\0');
    return text;
}
int Flag(FuzzedDataProvider& in) { return in.ConsumeBool() ? 1 : 0; }

void FillValues(FuzzedDataProvider& in, adf::WizardValues& v) {
    adf::GeneralInfoValues& g = v.general;
    g.title = Text(in);
    g.description = Text(in);
    g.season = in.ConsumeIntegralInRange(0, 4);
    g.longitudeSide = in.ConsumeIntegralInRange(0, 2);
    g.latitudeSide = in.ConsumeIntegralInRange(0, 2);
    g.autopilotMaster = Flag(in), g.smokeSystem = Flag(in), g.autoCoordination = Flag(in);
    g.airspeedIndicator = Flag(in);
    g.performance = in.ConsumeIntegralInRange(0, 4);
    g.performanceNumber = std::to_string(in.ConsumeIntegralInRange(0, 9));
    g.startTime = {in.ConsumeIntegralInRange(0, 23), in.ConsumeIntegralInRange(0, 59),
                   in.ConsumeIntegralInRange(0, 59)};
    g.plane = Text(in);
    adf::KeyCommandValues& k = v.keys;
    for (int* flag : {&k.alwaysGivePosition, &k.atcAlwaysContact, &k.atcHelp, &k.showWhenWrong, &k.holdingPatterns,
                      &k.landingEmergency, &k.warningsAndAdvice, &k.courseChange, &k.missedLanding, &k.coPilotLands,
                      &k.pushBack, &k.descend200, &k.climb200, &k.restart, &k.quit, &k.coPilotVSpeeds})
        *flag = Flag(in);
    v.weather.mode = Flag(in);
    v.weather.temperature = in.ConsumeIntegralInRange(-60, 60);
    v.emergency.failureChance = in.ConsumeIntegralInRange(0, adf::kMaxFailureChance);
    v.emergency.engine1 = Flag(in);
    v.atc.noSound = Flag(in);
    v.plane.performance.planeName = Text(in);
    v.plane.performance.cruiseAltitude = in.ConsumeIntegralInRange(-1, 45000);
    v.plane.performance.v1 = in.ConsumeIntegralInRange(-1, 200);
    v.plane.enginesOff = Flag(in);
    v.briefing.descriptionText = Text(in);
    v.briefing.briefingText = Text(in);
    v.briefing.userEstimate = Text(in);
    v.landing.defaultLanding = Flag(in);
}

// Up to eight points as the map's picks make them: airports on either runway end, VORs
// with their radial, role and direction, NDBs and DMEs.
std::vector<CRoutePoint> MakeRoute(FuzzedDataProvider& in) {
    std::vector<CRoutePoint> points(in.ConsumeIntegralInRange<size_t>(0, 8));
    for (CRoutePoint& point : points) {
        if (in.ConsumeBool()) {
            const AirportRecord& airport = *FindRecord(Database().airportGrid, in.ConsumeIntegralInRange(1, 4));
            point.type = kPointAirport;
            point.databaseNumber = airport.number;
            point.ident = airport.id;
            point.directionFlag = in.ConsumeBool();
            point.x = point.directionFlag ? airport.x2 : airport.x1;
            point.y = point.directionFlag ? airport.y2 : airport.y1;
            point.course = point.directionFlag ? airport.heading : ReciprocalHeading(airport.heading);
            // Holding: none, 10 NM, over a navaid of the list, or a value of no place.
            const int holdings[] = {static_cast<int>(kNoHolding), static_cast<int>(kHolding10Nm), 0, 1, 2, 3, 1234};
            point.holding = holdings[in.ConsumeIntegralInRange<size_t>(0, std::size(holdings) - 1)];
        } else {
            const NavaidRecord& navaid = *FindRecord(Database().navaidGrid, in.ConsumeIntegralInRange(1, 4));
            point.type = navaid.type;
            point.databaseNumber = navaid.number;
            point.ident = navaid.id;
            point.x = navaid.x;
            point.y = navaid.y;
            if (point.type == kPointVor) {
                point.course = in.ConsumeIntegralInRange(0, 359);
                point.vorRole = in.ConsumeBool() ? kVor2Role : kVor1Role;
                point.directionFlag = in.ConsumeBool();
            }
        }
    }
    return points;
}

// A procedure of up to sixty legs for some of the route's airports, as the landing page
// stores the selection dialog's choice.
void ChooseProcedures(FuzzedDataProvider& in, adf::LandingValues& landing) {
    for (adf::LandingSlot& slot : landing.airports) {
        if (slot.airportName.empty() || !in.ConsumeBool()) continue;
        const std::string ident = Text(in, 12);
        std::vector<fileval> legs(in.ConsumeIntegralInRange<size_t>(0, 60) + 1);
        for (size_t i = 0; i + 1 < legs.size(); ++i) {
            ProcedureLeg leg;
            leg.latitude = in.ConsumeIntegralInRange(-9000, 9000) / 100.0;
            leg.longitude = in.ConsumeIntegralInRange(-18000, 18000) / 100.0;
            leg.minAltitude = in.ConsumeIntegralInRange(0, 20000);
            leg.nextIdent = Text(in, 8);
            leg.nextText = Text(in, 20);
            FillLegRecord(legs[i], static_cast<int>(i) + 1, leg, ident);
        }
        StoreProcedure(slot, ident, legs);
    }
}

void Compare(const char* what, const std::vector<std::string>& first, const std::vector<std::string>& second) {
    if (first == second) return;
    for (size_t i = 0; i < std::max(first.size(), second.size()); ++i) {
        const std::string a = i < first.size() ? first[i] : "(none)", b = i < second.size() ? second[i] : "(none)";
        if (a != b) {
            std::fprintf(stderr, "%s line %zu: \"%s\" became \"%s\"\n", what, i + 1, a.c_str(), b.c_str());
            break;
        }
    }
    __builtin_trap();
}

}  // namespace
}  // namespace trevalo

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace trevalo;
    FuzzedDataProvider in(data, size);
    Database();
    // The ILS question answered alike at both builds.
    const platform::MbResult ilsAnswer = in.ConsumeBool() ? platform::MbResult::Yes : platform::MbResult::No;
    platform::SetMessageBoxHandler([ilsAnswer](const platform::MessageBoxRequest& request) {
        return request.buttons == platform::MbButtons::YesNoCancel ? ilsAnswer : platform::MbResult::Ok;
    });
    adf::WizardValues values;
    FillValues(in, values);
    // Springfield's runway 28 corrected, or no correction.
    fuzz::WriteDriveFile(std::string("Quillet/") + kCorrectionsFileName,
                         in.ConsumeBool() ? "id=KSPF\r\nrn=L28\r\nlat=47.5\r\nlon=-122.25\r\n" : "");

    Planner first(values);
    first.GetRoute().Points() = MakeRoute(in);
    first.Landing().RefreshAirportList();
    ChooseProcedures(in, first.Values().landing);
    Written before;
    if (!first.CreateAdventure(before)) return 0;

    // The definition reopened by a new planner, as at start-up, and written again.
    adf::Definition definition;
    if (!definition.Load(kAdfPath)) __builtin_trap();
    Planner second{adf::WizardValues{}};
    ReopenAdventure(definition, second.Values(), second.GetRoute());
    Written after;
    if (!second.CreateAdventure(after)) __builtin_trap();
    Compare("map_internal.adf", before.routeFile, after.routeFile);
    Compare("Trip.adf", before.definition, after.definition);
    Compare("Trip.pln", before.flightPlan, after.flightPlan);
    Compare("FLT waypoints", before.fltWaypoints, after.fltWaypoints);
    return 0;
}
