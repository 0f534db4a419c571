#include "fixture_world.h"

#include "platform/files.h"
#include "scenrix/scenery_layout.h"

namespace demodata::testing {

namespace {

fsinstall::Runway EastWestRunway(double latitude, double west, double east, int designator, int length) {
    fsinstall::Runway runway;
    runway.latitude = latitude;
    runway.longitude = (west + east) / 2;
    runway.elevationMetres = 1400 / scenrix::scenery::kFeetPerMetre;
    runway.heading = 90.0;
    runway.length = length;
    runway.designator = designator;
    runway.magneticVariation = 2.0;
    runway.start = fsinstall::RunwayEnd{latitude, west, 90.0};
    runway.end = fsinstall::RunwayEnd{latitude, east, 270.0};
    return runway;
}

}  // namespace

std::vector<fsinstall::Airport> FixtureAirports() {
    fsinstall::Airport zqla;
    zqla.ident = "ZQLA";
    zqla.name = "Quillet International";
    zqla.city = "Quillet";
    zqla.country = "Freedonia";
    zqla.latitude = 47.003;
    zqla.longitude = 8.0;
    zqla.atisMegahertz = 127.85;
    zqla.runways = {EastWestRunway(47.006, 7.98, 8.02, 1, 9800), EastWestRunway(47.0, 7.985, 8.015, 2, 7200)};

    fsinstall::Airport zqlb;
    zqlb.ident = "ZQLB";
    zqlb.name = "Quillet North";
    zqlb.city = "Nordstadt";
    zqlb.country = "Freedonia";
    zqlb.latitude = 48.282;
    zqlb.longitude = 9.118;
    fsinstall::Runway runway;
    runway.latitude = 48.282;
    runway.longitude = 9.118;
    runway.elevationMetres = 2200 / scenrix::scenery::kFeetPerMetre;
    runway.heading = 150.0;
    runway.length = 6900;
    runway.magneticVariation = 2.5;
    runway.start = fsinstall::RunwayEnd{48.288, 9.112, 150.0};
    runway.end = fsinstall::RunwayEnd{48.276, 9.124, 330.0};
    zqlb.runways = {runway};
    return {zqla, zqlb};
}

std::string FixtureNavDat() {
    std::string bytes;
    platform::ReadHostFileBytes(DEMODATA_FIXTURES "/nav.dat", bytes);
    return bytes;
}

}  // namespace demodata::testing
