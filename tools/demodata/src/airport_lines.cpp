#include "airport_lines.h"

#include <cmath>
#include <iterator>
#include <string_view>

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

// Latin Extended-A (U+0100 to U+017F) by its letters without their marks; "?" marks the
// ligatures, which take two letters.
constexpr std::string_view kLatinExtendedA =
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIi??JjKkkLlLlLlL"
    "lLlNnNnNnnNnOoOoOo??RrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";
constexpr char32_t kLatinExtendedAFirst = 0x100;

struct Transliteration {
    char32_t code;
    const char* text;
};
constexpr Transliteration kTransliterations[] = {
    {0x132, "IJ"}, {0x133, "ij"}, {0x152, "OE"}, {0x153, "oe"}, {0x218, "S"},   {0x219, "s"},
    {0x21A, "T"},  {0x21B, "t"},  // comma below
    {0x2013, "-"}, {0x2014, "-"}, {0x2018, "'"}, {0x2019, "'"}, {0x201C, "\""}, {0x201D, "\""},
};
constexpr char32_t kSingleByteLast = 0xFF;
constexpr char32_t kUnknown = 0xFFFD;

// The code point starting at i, moving i past it; a broken sequence is one unknown.
char32_t NextCodePoint(const std::string& utf8, size_t& i) {
    const auto lead = static_cast<unsigned char>(utf8[i++]);
    if (lead < 0x80) return lead;
    const int tail = (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2 : (lead & 0xF8) == 0xF0 ? 3 : -1;
    if (tail < 0) return kUnknown;
    char32_t code = lead & (0x3Fu >> tail);
    for (int k = 0; k < tail; ++k) {
        if (i >= utf8.size() || (static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80) return kUnknown;
        code = (code << 6) | (static_cast<unsigned char>(utf8[i++]) & 0x3Fu);
    }
    return code;
}

// A character in the files' single-byte code page: itself when it has one, else its
// letters without their marks, else "?".
std::string SingleByteText(char32_t code) {
    if (code <= kSingleByteLast) return std::string(1, static_cast<char>(code));
    for (const Transliteration& t : kTransliterations)
        if (t.code == code) return t.text;
    if (code >= kLatinExtendedAFirst && code - kLatinExtendedAFirst < kLatinExtendedA.size())
        return std::string(1, kLatinExtendedA[code - kLatinExtendedAFirst]);
    return "?";
}

}  // namespace

std::string Latin1(const std::string& utf8) {
    std::string out;
    for (size_t i = 0; i < utf8.size();) out += SingleByteText(NextCodePoint(utf8, i));
    return out;
}

std::string CountryField(const std::string& country) {
    return TrimmedRight(Latin1(country).substr(0, layout::kCountry.width));
}

std::string AirportLine(const fsinstall::Airport& airport, const fsinstall::Runway& runway) {
    navdata::AirportLineTexts texts;
    texts.city = Latin1(airport.city);
    texts.country = Latin1(airport.country);
    texts.name = Latin1(airport.name);
    texts.ident = airport.ident;
    texts.elevation = platform::FixedText(std::round(runway.elevationMetres * kFeetPerMetre));
    texts.latitude = LatitudeToAngleText(airport.latitude);
    texts.longitude = LongitudeToAngleText(airport.longitude);
    texts.atisFrequency = navdata::FrequencyFieldText(airport.atisMegahertz);
    texts.runwayHeading = platform::FixedText(runway.heading);
    texts.runwayLength = platform::IntText(runway.length);
    texts.surface = SurfaceName(runway.surface);
    texts.side = navdata::SideFieldText(SideLetter(runway.designator), runway.magneticVariation);
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
