// The weather page's values. In Basic mode exactly one member of each choice group is
// set; Advanced mode makes the weather in the weather editor or copies a file.
#pragma once

#include <string>

namespace adf {

inline constexpr int kBasicWeatherMode = 1;
inline constexpr int kAdvancedWeatherMode = 0;

struct WeatherValues {
    int mode = kBasicWeatherMode;
    int noWind = 1;
    int lightWind = 0;
    int noRain = 1;
    int lightRain = 0;
    int noVisibility = 0;
    int goodVisibility = 1;
    int averageVisibility = 0;
    int noClouds = 1;
    int lightClouds = 0;
    int veryCloudy = 0;
    int thunderstorm = 0;
    int noTurbulence = 1;
    int lightTurbulence = 0;
    int heavyTurbulence = 0;
    int temperature = 59;      // degrees Fahrenheit
    int dayTimeVariation = 5;  // degrees
    std::string baseAltitudeText{};
    int createWeather = 1;  // Advanced: made in the weather editor
    int copyWeather = 0;    // Advanced: fileToCopy copied
    int baseAltitude = 0;   // feet, the flight plan's highest altitude
    std::string fileToCopy{};

    bool operator==(const WeatherValues&) const = default;
};

}  // namespace adf
