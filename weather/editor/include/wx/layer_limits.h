// The checks a layer dialog makes on OK: the limits of the rules file for the values
// entered, and, where layers may not overlap, the height of the layer before. Each check
// gives the message the user sees, or nothing when the values pass. A limit of 0 or a
// missing limit is no limit, except: a cloud's lowest rain base, deviation and bottom hold
// (0 too) while their highest is set; the visibility's lowest and highest height hold
// (0 too) when their keys are there; the temperature's lowest altitude always holds.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "wx/layer_values.h"
#include "wx/weather_rules.h"

namespace wx {

std::optional<std::string> CheckLimits(const WindValues& values, const WeatherRules& rules);
std::optional<std::string> CheckLimits(const VisibilityValues& values, const WeatherRules& rules);
std::optional<std::string> CheckLimits(const CloudValues& values, const WeatherRules& rules);
std::optional<std::string> CheckLimits(const TemperatureValues& values, const WeatherRules& rules);

// The height (feet) by which a layer is placed: the wind's upper altitude, the bottom of
// visibility and clouds, the temperature's altitude.
int32_t PlacingHeight(const WindValues& values);
int32_t PlacingHeight(const VisibilityValues& values);
int32_t PlacingHeight(const CloudValues& values);
int32_t PlacingHeight(const TemperatureValues& values);

// The lowest placing height (feet) a layer may have behind previous when layers may not
// overlap: the wind's upper altitude, the top of visibility and clouds, the temperature's
// altitude.
int32_t OverlapFloor(const WxLayer& previous);
// The refusal of a layer placed below floor.
std::string OverlapMessage(int32_t floor);
// The refusal of one layer more than the rules' maximum.
std::string MaximumLayersMessage(int32_t maximum);

}  // namespace wx
