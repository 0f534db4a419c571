#include "record_lines.h"

#include "navdata/angle_text.h"
#include "navdata/record_lines.h"
#include "platform/numbers.h"

namespace textorin::testing {

std::string AngleText(char letter, int degrees, int minutes, int hundredths, int tenThousandths) {
    return navdata::AngleTextOfFields(letter, {degrees, minutes, hundredths, tenThousandths});
}

std::string AirportLine(const AirportSpec& s) {
    return navdata::ComposeAirportLine({s.city, s.country, s.name, s.ident, platform::FixedText(s.elevation),
                                        s.latitude, s.longitude, s.atis, s.runwayHeading, platform::IntText(s.length),
                                        s.surface, s.ilsFrequency, s.ilsIdent, s.side, s.latBeg, s.latEnd, s.lonBeg,
                                        s.lonEnd});
}

std::string NavaidLine(const NavaidSpec& s) {
    return navdata::ComposeNavaidLine(
        {s.country, s.type, s.ident, s.frequency, s.latitude, s.longitude, s.elevation, s.name});
}

std::string IlsLine(const IlsSpec& s) {
    return navdata::ComposeIlsLine(
        {s.kind, s.ident, s.airportIdent, s.latitude, s.longitude, s.frequency, s.heading, s.side});
}

}  // namespace textorin::testing
