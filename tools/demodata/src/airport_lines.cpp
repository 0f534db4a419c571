#include "airport_lines.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>

#include "aerodrex/airport_line_layout.h"
#include "angle_text.h"

namespace demodata {

namespace {

namespace layout = aerodrex::airport_line;

constexpr double kFeetPerMetre = 3.280839895013123;

// Surface names by scenery surface code.
constexpr const char* kSurfaceNames[] = {"Unknown", "Dirt", "Cement", "Asphalt", "Grass",
                                         "Gravel", "Oil treated", "Mats", "Snow"};
// Side letters by runway designator (0 none, 1 L, 2 R, 3 C, 4 H).
constexpr char kSideLetters[] = {0, 'L', 'R', 'C', 'H'};

void PutLeft(std::string& line, navdata::FieldSpec field, const std::string& text) {
    line.replace(field.column, std::min(text.size(), field.width), text, 0, field.width);
}

std::string Fixed(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%f", value);
    return text;
}

const char* SurfaceName(fsinstall::Surface surface) {
    const auto code = static_cast<size_t>(surface);
    return code < std::size(kSurfaceNames) ? kSurfaceNames[code] : kSurfaceNames[0];
}

std::string SideText(int designator, double variation) {
    std::string text = Fixed(variation);
    if (designator > 0 && designator < static_cast<int>(std::size(kSideLetters))) {
        text.insert(text.begin(), kSideLetters[designator]);
    }
    return text;
}

std::string TrimmedRight(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

}  // namespace

std::string Latin1(const std::string& utf8) {
    std::string out;
    for (size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if ((c & 0xE0) == 0xC0 && i + 1 < utf8.size()) {
            const unsigned code = ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3Fu);
            out.push_back(code <= 0xFF ? static_cast<char>(code) : '?');
        } else if ((c & 0xC0) != 0x80) {
            out.push_back('?');  // the lead byte of a longer character; its tail is skipped
        }
    }
    return out;
}

std::string CountryField(const std::string& country) {
    return TrimmedRight(Latin1(country).substr(0, layout::kCountry.width));
}

std::string AirportLine(const fsinstall::Airport& airport, const fsinstall::Runway& runway) {
    std::string line(layout::kWidth, ' ');
    PutLeft(line, layout::kCity, Latin1(airport.city));
    PutLeft(line, layout::kCountry, Latin1(airport.country));
    PutLeft(line, layout::kName, Latin1(airport.name));
    PutLeft(line, layout::kIdent, airport.ident);
    PutLeft(line, layout::kElevation, Fixed(std::round(runway.elevationMetres * kFeetPerMetre)));
    PutLeft(line, layout::kLatitude, LatitudeText(airport.latitude));
    PutLeft(line, layout::kLongitude, LongitudeText(airport.longitude));
    if (airport.atisMegahertz != 0.0) PutLeft(line, layout::kAtisFrequency, Fixed(airport.atisMegahertz));
    PutLeft(line, layout::kRunwayHeading, Fixed(runway.heading));
    PutLeft(line, layout::kRunwayLength, std::to_string(runway.length));
    PutLeft(line, layout::kSurface, SurfaceName(runway.surface));
    PutLeft(line, layout::kSide, SideText(runway.designator, runway.magneticVariation));
    // A runway without end positions leaves them blank: readers take the airport's.
    if (runway.start) {
        PutLeft(line, layout::kRunwayStartLatitude, LatitudeText(runway.start->latitude));
        PutLeft(line, layout::kRunwayStartLongitude, LongitudeText(runway.start->longitude));
    }
    if (runway.end) {
        PutLeft(line, layout::kRunwayEndLatitude, LatitudeText(runway.end->latitude));
        PutLeft(line, layout::kRunwayEndLongitude, LongitudeText(runway.end->longitude));
    }
    return line;
}

}  // namespace demodata
