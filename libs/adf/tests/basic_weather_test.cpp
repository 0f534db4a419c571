#include "adf/basic_weather.h"

#include <gtest/gtest.h>

namespace {

TEST(BasicWeather, ChoicesBecomeTheGeneratorsValue) {
    adf::WeatherValues page;
    page.baseAltitude = 3000;
    EXPECT_EQ(adf::MakeBasicWeather(page, 9000, "c:\\trip\\trip.wx"),
              (adf::BasicWeather{"c:\\trip\\trip.wx", false, false, 12000, 0, 0, 0, 15.0, 5.0}));

    page.noWind = 0, page.lightWind = 1, page.noRain = 0, page.lightRain = 1;
    page.goodVisibility = 0, page.noVisibility = 1;
    page.noClouds = 0, page.thunderstorm = 1;
    page.noTurbulence = 0, page.heavyTurbulence = 1;
    page.temperature = 32;
    const adf::BasicWeather stormy = adf::MakeBasicWeather(page, 0, "x.wx");
    EXPECT_TRUE(stormy.wind);
    EXPECT_TRUE(stormy.precipitation);
    EXPECT_EQ(stormy.visibility, 2);
    EXPECT_EQ(stormy.cloudKind, 3);
    EXPECT_EQ(stormy.turbulence, 2);
    EXPECT_EQ(stormy.temperature, 0.0);
}

TEST(BasicWeather, CelsiusInWholeStepsAndThePageKeepsFahrenheit) {
    struct Case {
        int fahrenheit;
        double celsius;
    } cases[] = {{32, 0}, {59, 15}, {60, 15}, {41, 5}, {212, 100}, {14, -10}};
    for (const Case& c : cases) {
        adf::WeatherValues page;
        page.temperature = c.fahrenheit;
        EXPECT_EQ(adf::MakeBasicWeather(page, 0, "").temperature, c.celsius) << c.fahrenheit;
        EXPECT_EQ(page.temperature, c.fahrenheit);
    }
}

TEST(BasicWeather, FileNameAndBaseAltitude) {
    EXPECT_EQ(adf::WeatherFilePath("C:\\Quillet\\Dusk Run\\Dusk Run.adf"), "c:\\quillet\\dusk run\\dusk run.wx");
    struct Case {
        int feet, shown;
    } cases[] = {{999, 0}, {1000, 1000}, {9999, 9000}, {12500, 10000}, {-5, 0}};
    for (const Case& c : cases) EXPECT_EQ(adf::RoundedBaseAltitude(c.feet), c.shown) << c.feet;
    EXPECT_EQ(adf::BaseAltitudeText(9000), "Base Alt: 9000 (Feet)");
}

}  // namespace
