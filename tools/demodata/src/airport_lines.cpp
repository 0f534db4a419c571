#include "airport_lines.h"

#include <algorithm>
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

// Latin-1's letters from U+00C0 and Latin Extended-A (U+0100 to U+017F), each by its
// letters without their marks; "?" marks those that take two letters.
constexpr std::string_view kLatin1Letters = "AAAAAA?CEEEEIIIIDNOOOOOxOUUUUY??aaaaaa?ceeeeiiiidnooooo?ouuuuy?y";
constexpr char32_t kLatin1LettersFirst = 0xC0;
constexpr std::string_view kLatinExtendedA =
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIi??JjKkkLlLlLlL"
    "lLlNnNnNnnNnOoOoOo??RrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";
constexpr char32_t kLatinExtendedAFirst = 0x100;

struct Transliteration {
    char32_t code;
    const char* text;
};
constexpr Transliteration kTransliterations[] = {
    {0xA0, " "},   {0xC6, "AE"},  {0xDE, "Th"},  {0xDF, "ss"},  {0xE6, "ae"},   {0xFE, "th"},
    {0x132, "IJ"}, {0x133, "ij"}, {0x152, "OE"}, {0x153, "oe"}, {0x218, "S"},   {0x219, "s"},
    {0x21A, "T"},  {0x21B, "t"},  // comma below
    {0x2013, "-"}, {0x2014, "-"}, {0x2018, "'"}, {0x2019, "'"}, {0x201C, "\""}, {0x201D, "\""},
};
constexpr char32_t kAsciiLast = 0x7F;
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

std::u32string CodePoints(const std::string& utf8) {
    std::u32string codes;
    for (size_t i = 0; i < utf8.size();) codes += NextCodePoint(utf8, i);
    return codes;
}

// A character as plain ASCII: itself when it is one, else its letters without their
// marks, else "?".
std::string AsciiText(char32_t code) {
    if (code <= kAsciiLast) return std::string(1, static_cast<char>(code));
    for (const Transliteration& t : kTransliterations)
        if (t.code == code) return t.text;
    if (code >= kLatin1LettersFirst && code - kLatin1LettersFirst < kLatin1Letters.size())
        return std::string(1, kLatin1Letters[code - kLatin1LettersFirst]);
    if (code >= kLatinExtendedAFirst && code - kLatinExtendedAFirst < kLatinExtendedA.size())
        return std::string(1, kLatinExtendedA[code - kLatinExtendedAFirst]);
    return "?";
}

}  // namespace

std::string Latin1(const std::string& utf8) {
    const std::u32string codes = CodePoints(utf8);
    // Half a name in the code page and half transliterated reads worse than all of it
    // in plain letters.
    const bool fits = std::all_of(codes.begin(), codes.end(), [](char32_t c) { return c <= kSingleByteLast; });
    std::string out;
    for (const char32_t code : codes) out += fits ? std::string(1, static_cast<char>(code)) : AsciiText(code);
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
