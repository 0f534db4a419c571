#include <string>

#include <gtest/gtest.h>

#include "aerodrex/line_type.h"
#include "airport_lines.h"
#include "demo_world.h"
#include "map/nav_database.h"
#include "single_byte_text.h"
#include "testing/temp_environment.h"

namespace demodata {
namespace {

fsinstall::Airport SampleAirport() {
    fsinstall::Airport airport;
    airport.ident = "YSSY";
    airport.name = "Sydney Kingsford Smith International Airport";
    airport.city = "Sydney";
    airport.country = "Australia";
    airport.latitude = -33.9461;
    airport.longitude = 151.177;
    return airport;
}

// The airport as the planner loads it from a demo world of that airport alone.
trevalo::AirportRecord LoadedRunway(const fsinstall::Airport& airport) {
    platform::testing::TempEnvironment env;
    DemoCounts counts;
    fsinstall::SceneryContent world;
    world.airports = {airport};
    EXPECT_TRUE(WriteDemoWorld(env.driveC() / "Quillet", world, {}, counts));
    trevalo::NavDatabase database("C:\\Quillet\\");
    EXPECT_EQ(database.LoadAirportFile(), 0);
    for (const auto& cell : database.airportGrid) {
        if (!cell.empty()) return cell.front();
    }
    ADD_FAILURE() << "no airport loaded";
    return {};
}

TEST(AirportLine, ReadsBackAtTheDatabasePositions) {
    fsinstall::Runway runway;
    runway.heading = 156.0;
    runway.length = 12999;
    runway.designator = 2;
    runway.magneticVariation = 12.5;
    runway.start = fsinstall::RunwayEnd{-33.92, 151.18, 156.0};
    runway.end = fsinstall::RunwayEnd{-33.97, 151.19, 336.0};
    fsinstall::Airport airport = SampleAirport();
    airport.runways = {runway};
    ASSERT_EQ(GetLineType(AirportLine(airport, runway).c_str()), kAirportLineType);

    const trevalo::AirportRecord r = LoadedRunway(airport);
    constexpr double kTolerance = 0.01;  // arc-seconds, truncated digits
    EXPECT_NEAR(r.y, -33.9461 * 3600, kTolerance);
    EXPECT_NEAR(r.x, 151.177 * 3600, kTolerance);
    EXPECT_NEAR(r.y2, -33.97 * 3600, kTolerance);
    EXPECT_NEAR(r.x2, 151.19 * 3600, kTolerance);
    EXPECT_NEAR(r.y1, -33.92 * 3600, 1.0);  // the first end re-reads its last digits
    EXPECT_DOUBLE_EQ(r.heading, 156.0);
    EXPECT_DOUBLE_EQ(r.length, 12999.0);
    EXPECT_EQ(r.runway, 'R');
    EXPECT_DOUBLE_EQ(r.magVar, 12.5);
    EXPECT_STREQ(r.id, "YSSY");
}

TEST(AirportLine, ARunwayWithoutEndsSitsAtTheAirport) {
    fsinstall::Airport airport = SampleAirport();
    airport.runways = {fsinstall::Runway{}};
    const trevalo::AirportRecord r = LoadedRunway(airport);
    EXPECT_DOUBLE_EQ(r.x2, r.x);
    EXPECT_DOUBLE_EQ(r.y2, r.y);
    EXPECT_NEAR(r.y1, r.y, 1.0);  // the first end re-reads its last digits
    EXPECT_EQ(r.runway, 0);
}

struct TextCase {
    std::string utf8;
    std::string single;
};

// A name that fits the code page keeps its letters; one with any character outside it
// is written whole in plain ASCII.
TEST(Latin1, KeepsNamesOfTheCodePageAndWritesOthersWholeInAscii) {
    const TextCase cases[] = {
        {"Zurich", "Zurich"},
        {"Z\xC3\xBCrich", "Z\xFCrich"},        // Zürich
        {"S\xC3\xA3o Paulo", "S\xE3o Paulo"},  // São Paulo
        {"\xC3\x86r\xC3\xB8sk\xC3\xB8"
         "bing",
         "\xC6r\xF8sk\xF8"
         "bing"},  // Ærøskøbing
        {"\xC5\x81\xC3\xB3"
         "d\xC5\xBA",
         "Lodz"},                     // Łódź
        {"Gda\xC5\x84sk", "Gdansk"},  // Gdańsk
        {"\xC4\xB0stanbul \xC5\x9E"
         "ehir",
         "Istanbul Sehir"},                                                        // İstanbul Şehir
        {"Bra\xC8\x99ov", "Brasov"},                                               // Brașov
        {"Gro\xC3\x9F \xC5\x81\xC3\xA6k \xC3\x9E\xC3\xB6rn", "Gross Laek Thorn"},  // Groß Łæk Þörn
        {"\xC5\x92uvre \xE2\x80\x93 Nord", "OEuvre - Nord"},
        {"\xE6\x9D\xB1\xE4\xBA\xAC", "??"},  // no Latin letters
        {"cut \xC3\xA9 \xC5", "cut e ?"},    // a broken sequence
    };
    for (const TextCase& c : cases) EXPECT_EQ(Latin1(c.utf8), c.single) << c.utf8;
}

TEST(CountryField, IsTheCountryAsTheLineHoldsIt) {
    EXPECT_EQ(CountryField("South Georgia and the South Sandwich Islands"), "South Georgia and the South Sa");
    EXPECT_EQ(CountryField("Peru"), "Peru");
}

}  // namespace
}  // namespace demodata
