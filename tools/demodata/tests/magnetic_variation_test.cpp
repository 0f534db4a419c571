#include "magnetic_variation.h"

#include <gtest/gtest.h>

#include "map/runway_numbers.h"

namespace demodata {
namespace {

struct AirportCase {
    const char* what;
    std::vector<RunwayDesignation> runways;
};

// Whatever the variation found, the planner's numbers are the airport's real ones.
TEST(VariationForNumbers, GivesEveryRunwayItsRealNumber) {
    const AirportCase cases[] = {
        {"LFPG: 08L/R and 09L/R an eighth of a degree apart", {{8, 85.1}, {8, 85.0}, {9, 86.0}, {9, 85.3}}},
        {"one runway 27 at 283 true", {{27, 283.0}}},
        {"36 at 2 true and 18 past 180", {{36, 2.0}, {18, 184.0}}},
        {"east variation far north", {{1, 30.0}, {10, 122.0}}},
    };
    for (const AirportCase& c : cases) {
        SCOPED_TRACE(c.what);
        const std::optional<double> variation = VariationForNumbers(c.runways);
        ASSERT_TRUE(variation.has_value());
        for (const RunwayDesignation& runway : c.runways)
            EXPECT_EQ(trevalo::RunwayNumbersFor(runway.trueHeading, *variation).endTwo, runway.number);
    }
    EXPECT_FALSE(VariationForNumbers({}).has_value());
}

// Numbers of different ages: most of them are kept.
TEST(VariationForNumbers, NumbersThatCannotAllMatchKeepTheMost) {
    const std::vector<RunwayDesignation> runways = {{9, 92.0}, {9, 93.0}, {14, 92.0}};
    const double variation = VariationForNumbers(runways).value();
    EXPECT_EQ(trevalo::RunwayNumbersFor(92.0, variation).endTwo, 9);
    EXPECT_EQ(trevalo::RunwayNumbersFor(93.0, variation).endTwo, 9);
}

fsinstall::Airport AirportAt(const std::string& ident, double latitude, double longitude) {
    fsinstall::Airport airport;
    airport.ident = ident;
    airport.latitude = latitude;
    airport.longitude = longitude;
    airport.runways.resize(2);
    return airport;
}

TEST(SetMagneticVariations, AirportsWithoutNumbersTakeTheNearestOne) {
    std::vector<fsinstall::Airport> airports = {AirportAt("NUMB", 47.0, 8.0), AirportAt("HELI", 47.2, 8.1),
                                                AirportAt("FAR1", -40.0, 100.0)};
    SetMagneticVariations(airports, {{"NUMB", {{27, 273.0}}}});
    const double variation = airports[0].runways[0].magneticVariation;
    EXPECT_EQ(trevalo::RunwayNumbersFor(273.0, variation).endTwo, 27);
    for (const fsinstall::Runway& runway : airports[1].runways) EXPECT_EQ(runway.magneticVariation, variation);
    EXPECT_EQ(airports[2].runways[0].magneticVariation, 0.0);
}

}  // namespace
}  // namespace demodata
