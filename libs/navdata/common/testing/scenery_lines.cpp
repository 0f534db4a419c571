#include "navdata_testing/scenery_lines.h"

#include "navdata/field_texts.h"
#include "navdata/record_lines.h"
#include "platform/numbers.h"

namespace navdata::testing {

std::string SceneryAirportLine(const AirportFields& f) {
    return ComposeAirportLine({f.city, f.country, f.name, f.ident, platform::FixedText(f.elevation), f.latitude,
                               f.longitude, FrequencyFieldText(f.atisFrequency), f.runwayHeading,
                               platform::IntText(f.runwayLength), f.surface, FrequencyFieldText(f.ilsFrequency),
                               f.ilsIdent, SideFieldText(f.side, f.magneticVariation), f.runwayStartLatitude,
                               f.runwayEndLatitude, f.runwayStartLongitude, f.runwayEndLongitude});
}

std::string SceneryNavaidLine(const NavaidFields& f) {
    return ComposeNavaidLine({f.country, f.type, f.ident, f.frequency, f.latitude, f.longitude, f.elevation, f.name});
}

std::string SceneryIlsLine(const IlsFields& f) {
    return ComposeIlsLine({f.kind, f.ident, f.airportIdent, f.latitude, f.longitude, f.frequency, f.heading, f.side});
}

}  // namespace navdata::testing
