#include "wx/layer_values.h"

#include <array>
#include <iterator>
#include <type_traits>

#include "wx/wx_units.h"

namespace wx {
namespace {

// How a stored field becomes the whole number the user sees, and back.
enum class Unit {
    Whole,         // int32 as it is
    Value,         // float shown truncated
    Height,        // metres stored, feet shown
    WindAltitude,  // as Height, stored in whole metres
    Coverage,      // int32 stored one higher than shown
};

// Units of each layer's fields, in field order.
template <class Layer>
struct FieldUnits;
template <>
struct FieldUnits<WxWindLayer> {
    static constexpr Unit kUnits[] = {Unit::WindAltitude, Unit::Value, Unit::Value, Unit::Value,
                                      Unit::Whole,        Unit::Whole, Unit::Whole};
};
template <>
struct FieldUnits<WxVisibilityLayer> {
    static constexpr Unit kUnits[] = {Unit::Value, Unit::Height, Unit::Height};
};
template <>
struct FieldUnits<WxCloudLayer> {
    static constexpr Unit kUnits[] = {Unit::Whole, Unit::Height, Unit::Height, Unit::Value, Unit::Coverage, Unit::Whole,
                                      Unit::Whole, Unit::Whole,  Unit::Height, Unit::Whole, Unit::Whole};
};
template <>
struct FieldUnits<WxTemperatureLayer> {
    static constexpr Unit kUnits[] = {Unit::Height, Unit::Value, Unit::Value, Unit::Value};
};

constexpr bool IsFloatUnit(Unit unit) {
    return unit == Unit::Value || unit == Unit::Height || unit == Unit::WindAltitude;
}

// Every layer field has a unit of its type.
template <class Layer>
constexpr bool UnitsFitFields() {
    constexpr auto& units = FieldUnits<Layer>::kUnits;
    Layer layer{};
    size_t i = 0;
    bool fit = true;
    Layer::ForEachField(layer, [&](auto& field) {
        constexpr bool isFloat = std::is_same_v<std::decay_t<decltype(field)>, float>;
        fit = fit && i < std::size(units) && IsFloatUnit(units[i]) == isFloat;
        ++i;
    });
    return fit && i == std::size(units);
}
static_assert(UnitsFitFields<WxWindLayer>());
static_assert(UnitsFitFields<WxVisibilityLayer>());
static_assert(UnitsFitFields<WxCloudLayer>());
static_assert(UnitsFitFields<WxTemperatureLayer>());

int32_t Shown(float field, Unit unit) { return unit == Unit::Value ? ShownValue(field) : ShownFeet(field); }
int32_t Shown(int32_t field, Unit unit) { return unit == Unit::Coverage ? ShownCoverage(field) : field; }

void Store(float& field, int32_t value, Unit unit) {
    if (unit == Unit::Height)
        field = FeetToMetres(value);
    else if (unit == Unit::WindAltitude)
        field = WindAltitudeFromFeet(value);
    else
        field = static_cast<float>(value);
}
void Store(int32_t& field, int32_t value, Unit unit) { field = unit == Unit::Coverage ? StoredCoverage(value) : value; }

template <class Layer>
using FlatValues = std::array<int32_t, std::size(FieldUnits<Layer>::kUnits)>;

template <class Layer>
FlatValues<Layer> Flat(const LayerValues<Layer>& values) {
    FlatValues<Layer> flat{};
    size_t i = 0;
    LayerValues<Layer>::ForEachField(values, [&](int32_t value) { flat[i++] = value; });
    return flat;
}

// The stored layer with the fields that before (when given) does not match converted.
template <class Layer>
Layer Converted(const Layer& stored, const LayerValues<Layer>* before, const LayerValues<Layer>& after) {
    const FlatValues<Layer> to = Flat<Layer>(after);
    const FlatValues<Layer> from = before ? Flat<Layer>(*before) : FlatValues<Layer>{};
    Layer layer = stored;
    size_t i = 0;
    Layer::ForEachField(layer, [&](auto& field) {
        if (before == nullptr || from[i] != to[i]) Store(field, to[i], FieldUnits<Layer>::kUnits[i]);
        ++i;
    });
    return layer;
}

}  // namespace

template <class Layer>
LayerValues<Layer> ValuesOf(const Layer& layer) {
    FlatValues<Layer> flat{};
    size_t i = 0;
    Layer::ForEachField(layer, [&](const auto& field) {
        flat[i] = Shown(field, FieldUnits<Layer>::kUnits[i]);
        ++i;
    });
    LayerValues<Layer> values;
    i = 0;
    LayerValues<Layer>::ForEachField(values, [&](int32_t& value) { value = flat[i++]; });
    return values;
}

template <class Layer>
Layer WithValues(const Layer& stored, const LayerValues<Layer>& before, const LayerValues<Layer>& after) {
    return Converted(stored, &before, after);
}

template <class Layer>
Layer LayerFromValues(const LayerValues<Layer>& values) {
    return Converted(Layer{}, nullptr, values);
}

#define WX_LAYER_VALUES(Layer)                                                                     \
    template LayerValues<Layer> ValuesOf(const Layer&);                                            \
    template Layer WithValues(const Layer&, const LayerValues<Layer>&, const LayerValues<Layer>&); \
    template Layer LayerFromValues(const LayerValues<Layer>&);
WX_LAYER_VALUES(WxWindLayer)
WX_LAYER_VALUES(WxVisibilityLayer)
WX_LAYER_VALUES(WxCloudLayer)
WX_LAYER_VALUES(WxTemperatureLayer)
#undef WX_LAYER_VALUES

}  // namespace wx
