// The values a layer dialog edits: whole numbers as the user sees them (heights in feet,
// cloud coverage as shown, choices as key numbers), made from a stored layer and put back
// into it. Putting values back changes only the fields whose value the user changed, so a
// layer edited without changes keeps its bytes, fractions and all.
#pragma once

#include <cstdint>

#include "wx/wx_layout.h"

namespace wx {

// Heights in feet, coverage as shown, choices as the key numbers of their names
// (wind turbulence "turb_%d" of [winds], shear "shear_%d"; cloud type "type%d", coverage
// "coverage%d", turbulence "turb_%d" of [cloud], rain type "rty_%d", rain rate "rain%d",
// icing "icing_%d").
using WindValues = WxWindLayerOf<int32_t>;
using VisibilityValues = WxVisibilityLayerOf<int32_t>;
using CloudValues = WxCloudLayerOf<int32_t>;
using TemperatureValues = WxTemperatureLayerOf<int32_t>;

// The values of each layer kind.
template <class Layer>
struct LayerValuesOf;
template <template <class> class LayerOf>
struct LayerValuesOf<LayerOf<float>> {
    using type = LayerOf<int32_t>;
};
template <class Layer>
using LayerValues = typename LayerValuesOf<Layer>::type;

// The values the user sees of a stored layer.
template <class Layer>
LayerValues<Layer> ValuesOf(const Layer& layer);

// The stored layer with each field whose value differs between before and after
// converted from after; the other fields keep their stored values.
template <class Layer>
Layer WithValues(const Layer& stored, const LayerValues<Layer>& before, const LayerValues<Layer>& after);

// A new layer: every field converted from the values.
template <class Layer>
Layer LayerFromValues(const LayerValues<Layer>& values);

}  // namespace wx
