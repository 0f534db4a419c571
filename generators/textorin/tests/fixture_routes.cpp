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
    b.Set("_000", "Solo").Airport(RouteAirport(AirportLine(Springfield())));
    return b;
}

DefinitionBuilder TwoAirportsVorNdbRoute() {
    DefinitionBuilder b;
    b.Set("_000", "Hop")
        .Set("_004", "North")
        .Set("_003", "West")
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
    landing.extraPoints = {"41.650000:88.300000"};
    RouteAirport stopover(AirportLine(Shelbyville()), 270.0, false);
    RouteAirport last(AirportLine(Ogdenville()), 180.0, true);
    b.Set("_000", "Grand \"Tour\"")
        .Description({"First line", "", "  Third line  "})
        .Set("_002", "Random")
        .Set("_009", "High_4")
        .Set("_899", "1")
        .Set("_005", "1")
        .Key("_100", "CTRL \"p\"")
        .Key("_102", "\"h\"")
        .Key("_106", "SHIFT \"w\"")
        .Key("_107U", "CTRL \"u\"")
        .Key("_107D", "CTRL \"d\"")
        .Key("_108", "\"c\"")
        .Set("_103", "1")
        .Set("_104", "1")
        .Key("_111", "CTRL \"b\"")
        .Key("_112", "CTRL \"r\"")
        .Key("_113", "CTRL \"q\"")
        .Set("_114", "1")
        .Holding(1, 2, NavaidLine(ShelbyvilleVor()))
        .Holding(2, -1, "10NM")
        .Holding(3, -3, "NOHOLD")
        .CorrectedStart("40.502000", "-90.251000")
        .Airport(departure)
        .Vor(NavaidLine(SpringfieldVor()), 45, true, true)
        .Airport(landing)
        .Airport(stopover)
        .Ndb(NavaidLine(CapitalNdb()))
        .Vor(NavaidLine(ShelbyvilleVor()), 120, true, false)
        .Vor(NavaidLine(SpringfieldVor()), 200, false, true)
        .Airport(last)
        .SetLate("_1000", "5")
        .SetLate("_1001", "1")
        .SetLate("_1007", "1")
        .SetLate("_1015", "1")
        .SetLate("_1020", "1")
        .SetLate("_2000", soundFolder);
    return b;
}

}  // namespace textorin::testing
