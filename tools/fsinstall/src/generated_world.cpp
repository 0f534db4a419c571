#include "fsinstall/generated_world.h"

#include <string>

namespace fsinstall {

namespace {

// prefix followed by the decimal number.
std::string Numbered(const char* prefix, int number) {
    std::string text(prefix);
    text += std::to_string(number);
    return text;
}

}  // namespace

SceneryContent GeneratedWorld(int airports) {
    SceneryContent world;
    for (int a = 0; a < airports; ++a) {
        Airport airport;
        airport.ident = Numbered("X", a);
        airport.name = Numbered("Airport ", a);
        airport.city = Numbered("City ", a % 997);
        airport.country = Numbered("Country ", a % 97);
        airport.latitude = -60.0 + (a % 1200) * 0.1;
        airport.longitude = -180.0 + (a / 1200) * 0.11;
        airport.atisMegahertz = 118.0 + (a % 180) * 0.1;
        for (int r = 0; r < 3; ++r) {
            Runway runway;
            runway.latitude = airport.latitude + r * 0.01;
            runway.longitude = airport.longitude;
            runway.heading = (a * 7 + r * 60) % 360;
            runway.length = 4000 + (a % 50) * 100;
            runway.designator = r;
            runway.start = RunwayEnd{runway.latitude - 0.005, runway.longitude, runway.heading};
            runway.end = RunwayEnd{runway.latitude + 0.005, runway.longitude, runway.heading + 180.0};
            if (r == 0) {
                runway.ils = {Ils{IlsKind::WithGlideSlope, Numbered("I", a % 9999), 110.1, runway.latitude,
                                  runway.longitude, runway.heading}};
            }
            airport.runways.push_back(runway);
        }
        world.airports.push_back(airport);
        world.ndbs.push_back({Numbered("N", a % 9999), Numbered("NDB ", a), 200.0 + a % 800, airport.latitude,
                              airport.longitude + 0.1, 100});
        world.vors.push_back({VorKind::Vor, Numbered("V", a % 9999), Numbered("VOR ", a), a % 200, airport.latitude,
                              airport.longitude - 0.1, 50});
    }
    return world;
}

}  // namespace fsinstall
