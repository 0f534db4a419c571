#include "wx/layer_rows.h"

#include <string_view>

#include "platform/text.h"
#include "wx/layer_values.h"
#include "wx/wx_units.h"

namespace wx {
namespace {

enum class Naming { Number, RainType, RainRate };

template <class Values>
struct Column {
    std::string_view title;
    int32_t Values::*value;
    Naming naming = Naming::Number;
};

constexpr Column<VisibilityValues> kVisibilityColumns[] = {
    {"Bottom", &VisibilityValues::bottom}, {"Range", &VisibilityValues::range}, {"Top", &VisibilityValues::top}};

constexpr Column<WindValues> kWindColumns[] = {{"Direction", &WindValues::direction},
                                               {"Gusty", &WindValues::gusts},
                                               {"Reserved", &WindValues::reserved},
                                               {"Shear", &WindValues::shear},
                                               {"Speed", &WindValues::speed},
                                               {"Trurbulence", &WindValues::turbulence},
                                               {"Upper Altitude", &WindValues::upperAltitude}};

constexpr Column<CloudValues> kCloudColumns[] = {{"Bottom", &CloudValues::bottom},
                                                 {"Coverage", &CloudValues::coverage},
                                                 {"Deviation", &CloudValues::deviation},
                                                 {"Icing", &CloudValues::icing},
                                                 {"Rain Base", &CloudValues::rainBase},
                                                 {"Rain Rate", &CloudValues::rainRate, Naming::RainRate},
                                                 {"Rain Type", &CloudValues::rainType, Naming::RainType},
                                                 {"Reserved", &CloudValues::reserved},
                                                 {"Top", &CloudValues::top},
                                                 {"Turbulence", &CloudValues::turbulence},
                                                 {"Type of", &CloudValues::type}};

constexpr Column<TemperatureValues> kTemperatureColumns[] = {{"Altitude", &TemperatureValues::altitude},
                                                             {"Day Temp", &TemperatureValues::dayTemperature},
                                                             {"D/N Var", &TemperatureValues::dayNightVariation},
                                                             {"Dew Point", &TemperatureValues::dewPoint}};

template <class Values, size_t N>
std::vector<std::string> Titles(const Column<Values> (&columns)[N]) {
    std::vector<std::string> titles;
    for (const Column<Values>& column : columns) titles.emplace_back(column.title);
    return titles;
}

std::string Cell(int32_t value, Naming naming, const CloudCellNames& names) {
    switch (naming) {
        case Naming::RainType:
            return ChoiceName(names.rainTypes, value);
        case Naming::RainRate:
            return ChoiceName(names.rainRates, value);
        case Naming::Number:
            break;
    }
    return std::to_string(value);
}

template <class Layer, size_t N>
std::vector<std::string> Cells(const Layer& layer, const Column<LayerValues<Layer>> (&columns)[N],
                               const CloudCellNames& names) {
    const LayerValues<Layer> values = ValuesOf(layer);
    std::vector<std::string> cells;
    for (const auto& column : columns) cells.push_back(Cell(values.*column.value, column.naming, names));
    return cells;
}

}  // namespace

std::vector<std::string> LayerColumns(WxLayerKind kind) {
    switch (kind) {
        case WxLayerKind::Wind:
            return Titles(kWindColumns);
        case WxLayerKind::Visibility:
            return Titles(kVisibilityColumns);
        case WxLayerKind::Cloud:
            return Titles(kCloudColumns);
        case WxLayerKind::Temperature:
            return Titles(kTemperatureColumns);
    }
    return {};
}

std::vector<std::string> PressureColumns() { return {"Pressure", "Reserved", "Unknown0x8c"}; }

CloudCellNames CloudCellNames::FromRules(const WeatherRules& rules) {
    return {ChoicesOf(rules, rules::kRainTypeNames), ChoicesOf(rules, rules::kRainRateNames)};
}

std::vector<std::string> LayerCells(const WxLayer& layer, const CloudCellNames& names) {
    return std::visit(
        [&names](const auto& typed) -> std::vector<std::string> {
            using Layer = std::decay_t<decltype(typed)>;
            if constexpr (std::is_same_v<Layer, WxWindLayer>)
                return Cells(typed, kWindColumns, names);
            else if constexpr (std::is_same_v<Layer, WxVisibilityLayer>)
                return Cells(typed, kVisibilityColumns, names);
            else if constexpr (std::is_same_v<Layer, WxCloudLayer>)
                return Cells(typed, kCloudColumns, names);
            else
                return Cells(typed, kTemperatureColumns, names);
        },
        layer);
}

std::string PressureText(float pressure) { return platform::Format("%10.2f", double{pressure}); }

std::vector<std::string> PressureCells(const WxPressureBlock& pressure) {
    return {PressureText(pressure.pressure), std::to_string(pressure.reserved),
            std::to_string(ShownValue(pressure.third))};
}

}  // namespace wx
