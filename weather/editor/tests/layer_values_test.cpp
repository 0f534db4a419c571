#include "wx/layer_values.h"

#include <gtest/gtest.h>

#include "wx/wx_codec.h"
#include "wx/wx_units.h"

namespace wx {
namespace {

// Layers with fractions in every float field, as the simulator's own files hold them.
const WxWindLayer kWind{609.57f, 12.7f, 20.2f, 271.9f, 5, 2, 1};
const WxVisibilityLayer kVisibility{48000.5f, 12.3f, 3047.85f};
const WxCloudLayer kCloud{6, 304.79f, 4571.78f, 0.5f, 6, 9, 2, 1, 152.4f, 3, 1};
const WxTemperatureLayer kTemperature{0.2f, 15.6f, 3.4f, -2.5f};

TEST(LayerValues, ShowWholeFeetAndShownCoverage) {
    EXPECT_EQ(ValuesOf(kWind), (WindValues{1999, 12, 20, 271, 5, 2, 1}));
    EXPECT_EQ(ValuesOf(kVisibility), (VisibilityValues{48000, 40, 9999}));
    EXPECT_EQ(ValuesOf(kCloud), (CloudValues{6, 1000, 15000, 0, 5, 9, 2, 1, 500, 3, 1}));
    EXPECT_EQ(ValuesOf(kTemperature), (TemperatureValues{0, 15, 3, -2}));
}

// An OK without changes gives the stored layer back byte for byte.
template <class Layer>
void ExpectUnchanged(const Layer& layer) {
    const auto values = ValuesOf(layer);
    EXPECT_EQ(EncodeLayer(WithValues(layer, values, values)), EncodeLayer(layer));
}

TEST(LayerValues, UnchangedValuesKeepTheStoredBytes) {
    ExpectUnchanged(kWind);
    ExpectUnchanged(kVisibility);
    ExpectUnchanged(kCloud);
    ExpectUnchanged(kTemperature);
}

TEST(LayerValues, OnlyTheChangedFieldIsConverted) {
    CloudValues after = ValuesOf(kCloud);
    after.coverage = 3;
    after.top = 20000;
    WxCloudLayer expected = kCloud;
    expected.coverage = 4;
    expected.top = FeetToMetres(20000);
    EXPECT_EQ(EncodeLayer(WithValues(kCloud, ValuesOf(kCloud), after)), EncodeLayer(expected));
}

// Pressing OK again and again never moves a wind altitude; a new one is whole metres.
TEST(LayerValues, WindAltitudeIsConvertedOnce) {
    WxWindLayer layer = kWind;
    for (int press = 0; press < 5; ++press) {
        const WindValues values = ValuesOf(layer);
        layer = WithValues(layer, values, values);
    }
    EXPECT_EQ(layer.upperAltitude, kWind.upperAltitude);

    WindValues after = ValuesOf(kWind);
    after.upperAltitude = 3000;
    EXPECT_EQ(WithValues(kWind, ValuesOf(kWind), after).upperAltitude, 914.0f);
    EXPECT_EQ(LayerFromValues<WxWindLayer>(WindValues{.upperAltitude = 2000}).upperAltitude, 609.0f);
}

TEST(LayerValues, ANewLayerTakesEveryValue) {
    const CloudValues values{8, 3000, 6000, 7, 3, 0, 1, 2, 1000, 4, 2};
    const WxCloudLayer layer = LayerFromValues<WxCloudLayer>(values);
    EXPECT_EQ(layer.coverage, 4);
    EXPECT_EQ(layer.bottom, FeetToMetres(3000));
    EXPECT_EQ(layer.deviation, 7.0f);
    EXPECT_EQ(layer.rainRate, 4);
    EXPECT_EQ(ValuesOf(layer).bottom, 3000);
    EXPECT_EQ(LayerFromValues<WxTemperatureLayer>(TemperatureValues{0, 15, 3, 10}).dayNightVariation, 3.0f);
}

}  // namespace
}  // namespace wx
