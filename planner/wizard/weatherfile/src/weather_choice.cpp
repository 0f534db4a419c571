#include "weatherfile/weather_choice.h"

#include "platform/files.h"

namespace trevalo {

sBasicWeatherStruct GeneratorWeather(const adf::BasicWeather& weather) {
    sBasicWeatherStruct value{};
    value.path = weather.path.c_str();
    value.wind = weather.wind;
    value.precipitation = weather.precipitation;
    value.cloudBase = weather.cloudBase;
    value.visibility = weather.visibility;
    value.cloudKind = weather.cloudKind;
    value.turbulence = weather.turbulence;
    value.temperature = weather.temperature;
    value.variation = weather.variation;
    return value;
}

std::string WeatherEditorArguments(const std::string& baseDirectory) {
    std::string folder = baseDirectory;
    if (folder.empty() || folder.back() != '\\') folder += '\\';
    return "l:\"" + folder + kAdvancedWeatherFile + "\"";
}

bool CopyWeatherFile(const std::string& from, const std::string& to) {
    std::string bytes;
    return platform::ReadFileBytes(from, bytes) && platform::ReplaceFileBytes(to, bytes);
}

}  // namespace trevalo
