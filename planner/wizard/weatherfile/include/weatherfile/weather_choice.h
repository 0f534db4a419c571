// What the weather page hands on: the Basic weather as Flitmark takes it, the weather
// editor's command line, and a weather file copied whole.
#pragma once

#include <string>

#include "adf/basic_weather.h"
#include "flitmark/flitmark.h"

namespace trevalo {

// The weather editor's scratch file in the base directory.
inline constexpr const char* kAdvancedWeatherFile = "AdvWx.wx";

// The value Flitmark's CreateBasicWeather takes; its path points into weather, which
// must outlive it.
sBasicWeatherStruct GeneratorWeather(const adf::BasicWeather& weather);

// The weather editor's arguments: "l:" and the scratch file of the base directory, quoted
// so that a folder with blanks stays one argument.
std::string WeatherEditorArguments(const std::string& baseDirectory);

// Copies a weather file onto the target, replacing it whole; false when the source
// cannot be read or the target cannot be written (it then stays as it was).
bool CopyWeatherFile(const std::string& from, const std::string& to);

}  // namespace trevalo
