#include "adf/basic_weather.h"

#include "platform/numbers.h"

namespace adf {

std::string WeatherFilePath(std::string_view definitionPath) {
    std::string path(definitionPath);
    for (char& c : path)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    path.resize(path.size() >= 3 ? path.size() - 3 : 0);
    return path + "wx";
}

BasicWeather MakeBasicWeather(const WeatherValues& w, int cruiseAltitude, std::string path) {
    BasicWeather weather;
    weather.path = std::move(path);
    weather.wind = w.noWind == 0;
    weather.precipitation = w.noRain == 0;
    weather.cloudBase = w.baseAltitude + cruiseAltitude;
    weather.visibility = w.averageVisibility != 0 ? 1 : w.noVisibility != 0 ? 2 : 0;
    weather.cloudKind = w.lightClouds != 0 ? 1 : w.veryCloudy != 0 ? 2 : w.thunderstorm != 0 ? 3 : 0;
    weather.turbulence = w.lightTurbulence != 0 ? 1 : w.heavyTurbulence != 0 ? 2 : 0;
    weather.temperature = static_cast<double>((w.temperature - 32) / 9 * 5);
    weather.variation = static_cast<double>(w.dayTimeVariation);
    return weather;
}

int RoundedBaseAltitude(int feet) {
    if (feet < 1000) return 0;
    if (feet > 9999) return feet / 10000 * 10000;
    return feet / 1000 * 1000;
}

std::string BaseAltitudeText(int roundedFeet) { return "Base Alt: " + platform::IntText(roundedFeet) + " (Feet)"; }

}  // namespace adf
