#include "navaid_lines.h"

#include <cmath>

#include "airport_lines.h"
#include "navdata/angle_text.h"
#include "navdata/record_lines.h"
#include "scenrix/scenery_layout.h"

namespace demodata {

namespace {

int WholeFeet(double metres) { return static_cast<int>(std::lround(metres * scenrix::scenery::kFeetPerMetre)); }

// 0 to below 360, as the reader brings the records' angles.
double Heading(double degrees) {
    const double heading = std::fmod(degrees, 360.0);
    return heading < 0.0 ? heading + 360.0 : heading;
}

}  // namespace

std::string NavaidLine(const fsinstall::Ndb& ndb) {
    const int feet = WholeFeet(ndb.elevationMetres);
    return navdata::ComposeNavaidLine({.type = ndb.kilohertz == 0.0 && feet == 0 ? "GPS" : "NDB",
                                       .ident = ndb.ident,
                                       .frequency = ndb.kilohertz,
                                       .latitude = LatitudeToAngleText(ndb.latitude),
                                       .longitude = LongitudeToAngleText(ndb.longitude),
                                       .elevationFeet = feet,
                                       .name = ndb.name});
}

std::string NavaidLine(const fsinstall::Vor& vor) {
    return navdata::ComposeNavaidLine(
        {.type = vor.kind == fsinstall::VorKind::Vor ? "VOR" : "ILS",
         .ident = vor.ident,
         .frequency = scenrix::scenery::kLowestVorMhz + scenrix::scenery::kMhzPerChannel * vor.channel,
         .latitude = LatitudeToAngleText(vor.latitude),
         .longitude = LongitudeToAngleText(vor.longitude),
         .elevationFeet = WholeFeet(vor.elevationMetres),
         .name = vor.name});
}

std::string IlsLine(const fsinstall::Airport& airport, const fsinstall::Runway& runway, const fsinstall::Ils& ils) {
    return navdata::ComposeIlsLine({.kind = static_cast<int>(ils.kind),
                                    .ident = ils.ident,
                                    .airportIdent = airport.ident,
                                    .latitude = LatitudeToAngleText(ils.latitude),
                                    .longitude = LongitudeToAngleText(ils.longitude),
                                    .frequency = ils.megahertz,
                                    .heading = Heading(ils.heading),
                                    .side = RunwaySideField(runway)});
}

}  // namespace demodata
