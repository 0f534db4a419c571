#include "fixture_routes.h"

#include <cstdio>

#include "record_lines.h"

namespace textorin::testing {
namespace {

AirportSpec Springfield() { return {}; }

AirportSpec Shelbyville() {
    AirportSpec s;
    s.city = "Shelbyville";
    s.name = "Shelbyville Rgnl";
    s.ident = "KSHB";
    s.elevation = 850.0;
    s.latitude = AngleText('N', 41, 45, 50);
    s.longitude = AngleText('W', 88, 5, 25);
    s.atis = "127.650000";
    s.runwayHeading = "090.0";
    s.side = "R-1.500000";
    return s;
}

AirportSpec Ogdenville() {
    AirportSpec s;
    s.city = "Ogdenville";
    s.name = "Ogdenville \"North\" Field";
    s.ident = "KOGD";
    s.elevation = 1200.0;
    s.latitude = AngleText('N', 42, 2, 0);
    s.longitude = AngleText('W', 87, 30, 0);
    s.atis = "";
    s.runwayHeading = "180.0";
    s.side = "-1.000000";
    return s;
}

NavaidSpec SpringfieldVor() { return {}; }

NavaidSpec CapitalNdb() {
    NavaidSpec n;
    n.type = "NDB";
    n.ident = "CP";
    n.frequency = 350.0;
    n.latitude = AngleText('N', 41, 20, 5);
    n.longitude = AngleText('W', 88, 50, 0);
    n.elevation = 800;
    n.name = "Capital NDB";
    return n;
}

NavaidSpec ShelbyvilleVor() {
    NavaidSpec n;
    n.ident = "SHB";
    n.frequency = 116.2;
    n.latitude = AngleText('N', 41, 50, 0);
    n.longitude = AngleText('W', 87, 55, 0);
    n.elevation = 900;
    n.name = "Shelbyville VOR";
    return n;
}

}  // namespace

std::string LegText(double latitude, double longitude, int minAltitude, int maxAltitude) {
    char text[256];
    std::snprintf(text, sizeof text, "t01=R:FIX:%f:%f:0:250:%d:%d:90:SPR:0:0:5:90:SHB:0:0:to fix:", latitude, longitude,
                  minAltitude, maxAltitude);
    return text;
}

DefinitionBuilder OneAirportRoute() {
    DefinitionBuilder b;
    b.Set(keys::kTitle, "Solo").Airport(RouteAirport(AirportLine(Springfield())));
    return b;
}

DefinitionBuilder TwoAirportsVorNdbRoute() {
    DefinitionBuilder b;
    b.Set(keys::kTitle, "Hop")
        .Set(keys::kLatitudeHemisphere, "North")
        .Set(keys::kLongitudeHemisphere, "West")
        .Airport(RouteAirport(AirportLine(Springfield())))
        .Vor(NavaidLine(SpringfieldVor()), 45)
        .Ndb(NavaidLine(CapitalNdb()))
        .Airport(RouteAirport(AirportLine(Shelbyville()), 90.0, false));
    return b;
}

DefinitionBuilder FourAirportsFullRoute(const std::string& soundFolder) {
    DefinitionBuilder b;
    RouteAirport departure(AirportLine(Springfield()));
    departure.sidStarLegs = {LegText(40.6, 90.1, 2000, 4000), LegText(40.8, 89.9, 3000, 6000)};
    IlsSpec ils;
    ils.ident = "ISHB";
    ils.airportIdent = "KSHB";
    RouteAirport landing(AirportLine(Shelbyville()), 90.0, true, IlsLine(ils));
    landing.sidStarLegs = {LegText(41.7, 88.2, 3000, 5000)};
    landing.star = true;
    landing.extraPoints = {{41.65, 88.3}};
    RouteAirport stopover(AirportLine(Shelbyville()), 270.0, false);
    RouteAirport last(AirportLine(Ogdenville()), 180.0, true);
    b.Set(keys::kTitle, "Grand \"Tour\"")
        .Description({"First line", "", "  Third line  "})
        .Set(keys::kSeason, "Random")
        .Set(keys::kPerformance, "High_4")
        .Set(keys::kEnginesOff, "1")
        .Set(keys::kAutopilotMaster, "1")
        .Key(keys::kAlwaysGivePosition, "CTRL \"p\"")
        .Key(keys::kAtcHelp, "\"h\"")
        .Key(keys::kAdvice, "SHIFT \"w\"")
        .Key(keys::kClimbRequest, "CTRL \"u\"")
        .Key(keys::kDescendRequest, "CTRL \"d\"")
        .Key(keys::kCourseChangeRequest, "\"c\"")
        .Set(keys::kShowWrong, "1")
        .Set(keys::kHolding, "1")
        .Key(keys::kPushBack, "CTRL \"b\"")
        .Key(keys::kRestart, "CTRL \"r\"")
        .Key(keys::kQuit, "CTRL \"q\"")
        .Set(keys::kSpeedCalls, "1")
        .Holding(1, 2, adf::HoldingPlace::Navaid, NavaidLine(ShelbyvilleVor()))
        .Holding(2, -1, adf::HoldingPlace::TenMiles)
        .Holding(3, -3, adf::HoldingPlace::NoHolding)
        .CorrectedStart(40.502, -90.251)
        .Airport(departure)
        .Vor(NavaidLine(SpringfieldVor()), 45, true, true)
        .Airport(landing)
        .Airport(stopover)
        .Ndb(NavaidLine(CapitalNdb()))
        .Vor(NavaidLine(ShelbyvilleVor()), 120, true, false)
        .Vor(NavaidLine(SpringfieldVor()), 200, false, true)
        .Airport(last)
        .SetLate(keys::kFailureProbability, "5")
        .SetLate(keys::kFailAdf, "1")
        .SetLate(keys::kFailEngine2, "1")
        .SetLate(keys::kFailPanelLights, "1")
        .SetLate(keys::kAnnounceFailure, "1")
        .SetLate(keys::kSound, soundFolder);
    return b;
}

}  // namespace textorin::testing
