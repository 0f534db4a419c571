// The rows of the editor's layer lists: the column titles of each list and the cells of a
// layer, made from the values the user sees (layer_values.h). The cells are for showing
// only; the editor keeps each row's decoded layer beside them.
#pragma once

#include <string>
#include <vector>

#include "wx/rule_choices.h"
#include "wx/weather_rules.h"
#include "wx/wx_layout.h"

namespace wx {

// Column titles of a layer kind's list, in the order shown.
std::vector<std::string> LayerColumns(WxLayerKind kind);
std::vector<std::string> PressureColumns();

// The names the cloud list shows for rain type and rain rate.
struct CloudCellNames {
    RuleChoices rainTypes;
    RuleChoices rainRates;

    static CloudCellNames FromRules(const WeatherRules& rules);
};

// The cells of a layer's row, one per column.
std::vector<std::string> LayerCells(const WxLayer& layer, const CloudCellNames& names);
std::vector<std::string> PressureCells(const WxPressureBlock& pressure);
// The pressure as its cell shows it.
std::string PressureText(float pressure);

}  // namespace wx
