#include "fsinstall/sample_world.h"

namespace fsinstall {

namespace {

Runway MakeRunway(double latitude, double longitude, double heading, int length, int designator,
                  double halfLengthDegrees) {
    Runway runway;
    runway.latitude = latitude;
    runway.longitude = longitude;
    runway.elevationMetres = 132.5;
    runway.heading = heading;
    runway.length = length;
    runway.designator = designator;
    runway.magneticVariation = -5.0;
    runway.start = RunwayEnd{latitude - halfLengthDegrees, longitude, heading};
    runway.end = RunwayEnd{latitude + halfLengthDegrees, longitude, heading + 180.0};
    return runway;
}

}  // namespace

SceneryContent SampleWorld() {
    SceneryContent world;
    world.ndbs = {
        {"SPF", "SPRINGFIELD", 352.5, 47.5, -122.3, 120},
        {"OKE", "OAKEY", 1023.0, -27.41, 151.73, 407},
        {"WPT1", "WAYPOINT ONE", 0.0, 10.25, 20.75, 0},  // a plain waypoint
    };
    world.vors = {
        {VorKind::Vor, "SEA", "SEATTLE", 126, 47.435, -122.31, 110},
        {VorKind::Vor, "PAE", "PAINE", 140, 47.92, -122.28, 180},
        {VorKind::Ils, "ISPF", "SPRINGFIELD ILS 16L", 46, 47.45, -122.30, 130},
        {VorKind::IlsLong, "IOKE", "OAKEY ILS 14", 90, -27.40, 151.74, 400},
    };

    Airport springfield;
    springfield.country = "Freedonia";
    springfield.city = "Springfield";
    springfield.name = "Springfield Regional";
    springfield.ident = "KSPF";
    springfield.latitude = 47.45;
    springfield.longitude = -122.30;
    springfield.atisMegahertz = 118.25;
    Runway left = MakeRunway(47.45, -122.31, 160.0, 9800, 1, 0.012);
    left.ils = {Ils{IlsKind::WithGlideSlope, "ISPF", 110.3, 47.44, -122.31, 160.0}};
    springfield.runways = {left, MakeRunway(47.45, -122.29, 160.0, 8500, 2, 0.010)};

    Airport oakey;
    oakey.country = "Australia";
    oakey.city = "Oakey";
    oakey.name = "Oakey Army Aviation Centre";
    oakey.ident = "YBOK";
    oakey.latitude = -27.41;
    oakey.longitude = 151.735;
    Runway main = MakeRunway(-27.41, 151.735, 320.0, 5200, 0, 0.007);
    main.surface = Surface::Grass;
    Runway cross = main;  // no end records: the reader computes them
    cross.heading = 50.0;
    cross.start.reset();
    cross.end.reset();
    cross.surface = Surface::Gravel;
    oakey.runways = {main, cross};

    world.airports = {springfield, oakey};
    return world;
}

}  // namespace fsinstall
