#include "basic_weather.h"

#include "wx/wx_units.h"

namespace flitmark {
namespace {

// Heights in metres, by the feet they stand for.
constexpr float kWindUpperAltitude = 6562.0f;
constexpr float kVisibilityTop = 3047.85f;       // 10,000 ft
constexpr float kDefaultCloudBottom = 1523.93f;  // 5,000 ft
constexpr float kTurbulentCloudBottom = 1500.0f;
constexpr float kLowestCloudTop = 4571.78f;   // 15,000 ft
constexpr float kDefaultCloudTop = 9143.55f;  // 30,000 ft
constexpr double kLowestCloudTopFeet = 15000.0;
constexpr double kCloudBaseDivisor = 3.0;

constexpr float kWindSpeed = 16.0f;
constexpr float kWindGusts = 24.0f;
constexpr int32_t kWindTurbulence = 3;
constexpr int32_t kWindShear = 2;

// Visibility range by the visibility choice: good, average, none.
constexpr float kVisibilityRanges[] = {48000.0f, 5000.0f, 100.0f};

constexpr int32_t kCloudType = 6;
constexpr int32_t kThunderstormCloudType = 10;
constexpr int kThunderstorm = 3;
constexpr int32_t kLightCoverage = 6;
constexpr int32_t kOvercastCoverage = 8;
constexpr int32_t kRainType = 1;
// Cloud turbulence by the turbulence choice: none, light, heavy.
constexpr int32_t kCloudTurbulence[] = {0, 2, 3};
// Rain rate by cloud kind 1 to 3, with and without the precipitation choice.
constexpr int32_t kRainRateWithRain[] = {3, 4, 5};
constexpr int32_t kRainRateDry[] = {0, 0, 3};

constexpr float kPressure = 1012.2f;
constexpr float kPressureThird = 15.0f;

template <class T, size_t N>
T Pick(const T (&table)[N], int choice, T otherwise) {
    return choice >= 0 && static_cast<size_t>(choice) < N ? table[choice] : otherwise;
}

wx::WxCloudLayer CloudLayer(const sBasicWeatherStruct& weather) {
    wx::WxCloudLayer cloud;
    cloud.type = weather.cloudKind == kThunderstorm ? kThunderstormCloudType : kCloudType;
    const bool turbulent = weather.turbulence == 1 || weather.turbulence == 2;
    if (weather.cloudBase >= 1) {
        const double bottom =
            turbulent ? double{kTurbulentCloudBottom} : weather.cloudBase * wx::kMetresPerFoot / kCloudBaseDivisor;
        const double top = 2 * bottom;
        cloud.bottom = static_cast<float>(bottom);
        cloud.top = top * wx::kFeetPerMetre < kLowestCloudTopFeet ? kLowestCloudTop : static_cast<float>(top);
    } else {
        cloud.bottom = turbulent ? kTurbulentCloudBottom : kDefaultCloudBottom;
        cloud.top = kDefaultCloudTop;
    }
    cloud.coverage = weather.cloudKind == 1 ? kLightCoverage : kOvercastCoverage;
    cloud.turbulence = Pick(kCloudTurbulence, weather.turbulence, 0);
    cloud.rainType = kRainType;
    cloud.rainRate = Pick(weather.precipitation ? kRainRateWithRain : kRainRateDry, weather.cloudKind - 1, 0);
    return cloud;
}

}  // namespace

wx::WxRecord BasicWeatherRecord(const sBasicWeatherStruct& weather) {
    wx::WxRecord record;
    record.header.icaoIndex = -1;
    wx::WxWindLayer wind{.upperAltitude = kWindUpperAltitude};
    if (weather.wind) {
        wind.speed = kWindSpeed;
        wind.gusts = kWindGusts;
        wind.turbulence = kWindTurbulence;
        wind.shear = kWindShear;
    }
    record.winds = {wind};
    record.visibilities = {
        wx::WxVisibilityLayer{.range = Pick(kVisibilityRanges, weather.visibility, kVisibilityRanges[0]),
                              .bottom = 0,
                              .top = kVisibilityTop}};
    if (weather.cloudKind >= 1) record.clouds = {CloudLayer(weather)};
    const auto temperature = static_cast<float>(weather.temperature);
    record.temperatures = {wx::WxTemperatureLayer{.altitude = 0,
                                                  .dayTemperature = temperature,
                                                  .dayNightVariation = static_cast<float>(weather.variation),
                                                  .dewPoint = temperature}};
    record.pressure = wx::WxPressureBlock{.reserved = 0, .pressure = kPressure, .third = kPressureThird};
    return record;
}

}  // namespace flitmark
