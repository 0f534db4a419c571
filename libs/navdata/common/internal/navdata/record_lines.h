// Record lines as the scenery reader composes them, for the reader itself and for the
// tools, tests and benchmarks that make lines: every field left-justified and cut to
// its width, so that a line always has its layout's exact length (no line end).
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace navdata {

// The texts of an airport line's fields, in layout order; an empty text leaves its
// field blank. (Every member has an initializer, so that a designated initializer may
// name only some of them.)
struct AirportLineTexts {
    std::string city{}, country{}, name{}, ident{}, elevation{}, latitude{}, longitude{}, atisFrequency{},
        runwayHeading{}, runwayLength{}, surface{}, ilsFrequency{}, ilsIdent{}, side{}, runwayStartLatitude{},
        runwayEndLatitude{}, runwayStartLongitude{}, runwayEndLongitude{};
};
std::string ComposeAirportLine(const AirportLineTexts& texts);
// The same from views of the eighteen texts, in layout order. The line's capacity has
// room for a line feed.
using AirportLineViews = std::array<std::string_view, 18>;
std::string ComposeAirportLineFromViews(const AirportLineViews& texts);

// A navaid line's values, in layout order: the frequency is written with five decimals
// ("%.5f"), the elevation in whole feet.
struct NavaidLineValues {
    std::string country{}, type{}, ident{};
    double frequency = 0.0;  // kHz for an NDB, MHz otherwise
    std::string latitude{}, longitude{};
    int elevationFeet = 0;
    std::string name{};
};
std::string ComposeNavaidLine(const NavaidLineValues& values);
// The same composed in line's storage.
void ComposeNavaidLine(const NavaidLineValues& values, std::string& line);

// An ILS line's values, in layout order: frequency and heading in "%f".
struct IlsLineValues {
    int kind = 0;
    std::string ident{}, airportIdent{}, latitude{}, longitude{};
    double frequency = 0.0;
    double heading = 0.0;
    std::string side{};  // the runway's side field
};
std::string ComposeIlsLine(const IlsLineValues& values);
// The same composed in line's storage.
void ComposeIlsLine(const IlsLineValues& values, std::string& line);

// The bytes of a database file (Airport.nav, Navaids.nav, Ils.nav) as the database
// builder writes it: the record count padded with blanks to the record width, then the
// records, CR LF after each line. A count other than the records' own makes a file
// whose count line disagrees.
std::string DatabaseBytes(const std::vector<std::string>& records, std::size_t width);
std::string DatabaseBytes(const std::vector<std::string>& records, std::size_t width, std::size_t count);

}  // namespace navdata
