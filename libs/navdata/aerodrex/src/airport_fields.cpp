#include "airport_fields.h"

#include "navdata/side_field.h"
#include "platform/numbers.h"

namespace aerodrex {

using navdata::FieldText;

double RunwayDegree(std::string_view line) {
    if (!IsAirportLine(line)) return 0.0;
    std::string_view heading = navdata::Trim(FieldText(line, airport_line::kRunwayHeading));
    if (!heading.empty() && (heading.back() == 'L' || heading.back() == 'R')) heading.remove_suffix(1);
    return platform::LeadingDouble(heading);
}

int RunwayLength(std::string_view line) { return platform::LeadingInt(FieldText(line, airport_line::kRunwayLength)); }

char RunwaySide(std::string_view line) {
    return navdata::SideLetter(FieldText(line, airport_line::kSide), airport_line::kSideLetters);
}

double MagneticVariation(std::string_view line) {
    return navdata::SideVariation(FieldText(line, airport_line::kSide), airport_line::kSideLetters);
}

}  // namespace aerodrex
