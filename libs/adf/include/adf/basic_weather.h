// The weather page's Basic choices as the weather generator takes them, the weather
// file's name beside the definition, and the base altitude the page shows.
#pragma once

#include <string>
#include <string_view>

#include "adf/values/weather.h"

namespace adf {

// The generator's value (its sBasicWeatherStruct, with the path owned here).
struct BasicWeather {
    std::string path;
    bool wind = false;
    bool precipitation = false;
    int cloudBase = 0;         // feet
    int visibility = 0;        // 0 good, 1 average, 2 none
    int cloudKind = 0;         // 0 none, 1 light, 2 very cloudy, 3 thunderstorm
    int turbulence = 0;        // 0 none, 1 light, 2 heavy
    double temperature = 0.0;  // degrees Celsius
    double variation = 0.0;    // degrees

    bool operator==(const BasicWeather&) const = default;
};

// The definition's path lower-cased with "adf" replaced by "wx".
std::string WeatherFilePath(std::string_view definitionPath);

// The clouds sit at the base altitude plus the plane's cruise altitude. Fahrenheit to
// Celsius in whole steps of 5/9 as the generator expects: 60 gives 15, not 15.56.
BasicWeather MakeBasicWeather(const WeatherValues& weather, int cruiseAltitude, std::string path);

// 0 below 1000 feet, whole ten thousands from 10000, else whole thousands.
int RoundedBaseAltitude(int feet);
// "Base Alt: %d (Feet)".
std::string BaseAltitudeText(int roundedFeet);

}  // namespace adf
