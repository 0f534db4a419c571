#include "generation/basic_weather_file.h"

#include "adf/basic_weather.h"
#include "flitmark/flitmark.h"
#include "platform/file_search.h"

namespace trevalo {

bool CreateBasicWeatherFile(const adf::WizardValues& values, const std::string& adfPath) {
    if (!platform::FileExists(adfPath)) return false;
    if (values.weather.mode != adf::kBasicWeatherMode) return true;
    const adf::BasicWeather basic = adf::MakeBasicWeather(values.weather, values.plane.performance.cruiseAltitude,
                                                          adf::WeatherFilePath(adfPath));
    return CreateBasicWeather({basic.path.c_str(), basic.wind, basic.precipitation, basic.cloudBase, basic.visibility,
                               basic.cloudKind, basic.turbulence, basic.temperature, basic.variation});
}

}  // namespace trevalo
