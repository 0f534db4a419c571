#include "route_fixture.h"

#include "map/headings.h"

namespace trevalo::testing {
namespace {

bool StartsWith(const std::string& text, const std::string& prefix) {
    return !prefix.empty() && text.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

std::vector<std::string> EntryTexts(const std::vector<PickListEntry>& entries) {
    std::vector<std::string> texts;
    for (const PickListEntry& entry : entries) {
        texts.push_back(FormatPickListEntry(entry));
    }
    return texts;
}

std::optional<PickListEntry> FakeDialogs::SelectId(const std::vector<PickListEntry>& airports,
                                                   const std::vector<PickListEntry>& navaids) {
    shownAirports.push_back(EntryTexts(airports));
    shownNavaids.push_back(EntryTexts(navaids));
    for (const auto* list : {&airports, &navaids}) {
        for (const PickListEntry& entry : *list) {
            if (StartsWith(FormatPickListEntry(entry), choosePrefix)) {
                return entry;
            }
        }
    }
    return std::nullopt;
}

std::optional<VorDialogChoice> FakeDialogs::SelectVor(const VorDialogRequest& request) {
    vorRequests.push_back(request);
    return vorChoice;
}

void RouteWorldTest::SetUp() {
    NavWorldTest::SetUp();
    MakeRoute();
}

void RouteWorldTest::MakeRoute() {
    route_ = std::make_unique<Route>(*database_);
    route_->AttachView(&dialogs_, &host_);
    route_->SetWizardPages(&flightPlan_, &landing_);
}

int RouteWorldTest::AddOthertonParallel() {
    navdata::testing::AirportFields parallel;
    parallel.name = "Otherton", parallel.ident = "KOTR", parallel.side = 'R', parallel.magneticVariation = 0.0;
    parallel.latitude = "N046* 00'00.00", parallel.longitude = "W121* 00'00.00";
    parallel.runwayHeading = "180.5", parallel.runwayLength = 13780;
    parallel.runwayStartLatitude = "N046* 00'40.00", parallel.runwayEndLatitude = "N045* 59'20.00";
    parallel.runwayStartLongitude = "W121* 00'20.00", parallel.runwayEndLongitude = "W121* 00'21.00";
    const int number = files_.AddAirport(parallel);
    route_.reset();
    database_ = files_.Load();
    MakeRoute();
    return number;
}

CRoutePoint AirportPoint(const NavDatabase& database, int number, bool endTwo) {
    const AirportRecord& airport = *FindAirport(database, number);
    CRoutePoint point;
    point.type = kPointAirport;
    point.databaseNumber = number;
    point.ident = airport.id;
    point.directionFlag = endTwo;
    point.x = endTwo ? airport.x2 : airport.x1;
    point.y = endTwo ? airport.y2 : airport.y1;
    point.course = endTwo ? airport.heading : ReciprocalHeading(airport.heading);
    return point;
}

CRoutePoint NavaidPoint(const NavDatabase& database, int number, double radial, const std::string& role, bool to) {
    const NavaidRecord& navaid = *FindNavaid(database, number);
    CRoutePoint point;
    point.type = navaid.type;
    point.databaseNumber = number;
    point.ident = navaid.id;
    point.x = navaid.x;
    point.y = navaid.y;
    point.course = radial;
    point.vorRole = role;
    point.directionFlag = to;
    return point;
}

}  // namespace trevalo::testing
