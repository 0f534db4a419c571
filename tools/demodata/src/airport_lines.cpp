#include "airport_lines.h"

#include <cmath>
#include <iterator>

#include "aerodrex/airport_line_layout.h"
#include "navdata/angle_text.h"
#include "navdata/field_texts.h"
#include "navdata/record_lines.h"
#include "platform/numbers.h"

namespace demodata {

namespace {

namespace layout = aerodrex::airport_line;

constexpr double kFeetPerMetre = 3.280839895013123;

// Surface names by scenery surface code.
constexpr const char* kSurfaceNames[] = {"Unknown", "Dirt",        "Cement", "Asphalt", "Grass",
                                         "Gravel",  "Oil treated", "Mats",   "Snow"};
// Side letters by runway designator (0 none, 1 L, 2 R, 3 C, 4 H).
constexpr char kSideLetters[] = {0, 'L', 'R', 'C', 'H'};

const char* SurfaceName(fsinstall::Surface surface) {
    const auto code = static_cast<size_t>(surface);
    return code < std::size(kSurfaceNames) ? kSurfaceNames[code] : kSurfaceNames[0];
}

// The side letter of a designator; 0 for none or an unknown one.
char SideLetter(int designator) {
    return designator >= 0 && designator < static_cast<int>(std::size(kSideLetters)) ? kSideLetters[designator] : 0;
}

std::string TrimmedRight(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

}  // namespace

std::string CountryField(const std::string& country) { return TrimmedRight(country.substr(0, layout::kCountry.width)); }

std::string RunwaySideField(const fsinstall::Runway& runway) {
    return navdata::SideFieldText(SideLetter(runway.designator), runway.magneticVariation);
}

std::string AirportLine(const fsinstall::Airport& airport, const fsinstall::Runway& runway) {
    navdata::AirportLineTexts texts;
    texts.city = airport.city;
    texts.country = airport.country;
    texts.name = airport.name;
    texts.ident = airport.ident;
    texts.elevation = platform::FixedText(std::round(runway.elevationMetres * kFeetPerMetre));
    texts.latitude = LatitudeToAngleText(airport.latitude);
    texts.longitude = LongitudeToAngleText(airport.longitude);
    texts.atisFrequency = navdata::FrequencyFieldText(airport.atisMegahertz);
    texts.runwayHeading = platform::FixedText(runway.heading);
    texts.runwayLength = platform::IntText(runway.length);
    texts.surface = SurfaceName(runway.surface);
    texts.side = RunwaySideField(runway);
    // A runway without end positions leaves them blank: readers take the airport's.
    if (runway.start) {
        texts.runwayStartLatitude = LatitudeToAngleText(runway.start->latitude);
        texts.runwayStartLongitude = LongitudeToAngleText(runway.start->longitude);
    }
    if (runway.end) {
        texts.runwayEndLatitude = LatitudeToAngleText(runway.end->latitude);
        texts.runwayEndLongitude = LongitudeToAngleText(runway.end->longitude);
    }
    return navdata::ComposeAirportLine(texts);
}

}  // namespace demodata
