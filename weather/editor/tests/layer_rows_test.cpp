#include "wx/layer_rows.h"

#include <gtest/gtest.h>

namespace wx {
namespace {

const WeatherRules kRules =
    WeatherRules::FromLines({"[cloud]", "rty_0=None", "rty_1=", "rty_2=Snow", "rain0=None", "rain4=Heavy"});

TEST(LayerRows, ColumnsInTheListsOrder) {
    EXPECT_EQ(LayerColumns(WxLayerKind::Visibility), (std::vector<std::string>{"Bottom", "Range", "Top"}));
    EXPECT_EQ(LayerColumns(WxLayerKind::Wind), (std::vector<std::string>{"Direction", "Gusty", "Reserved", "Shear",
                                                                         "Speed", "Trurbulence", "Upper Altitude"}));
    EXPECT_EQ(LayerColumns(WxLayerKind::Cloud),
              (std::vector<std::string>{"Bottom", "Coverage", "Deviation", "Icing", "Rain Base", "Rain Rate",
                                        "Rain Type", "Reserved", "Top", "Turbulence", "Type of"}));
    EXPECT_EQ(LayerColumns(WxLayerKind::Temperature),
              (std::vector<std::string>{"Altitude", "Day Temp", "D/N Var", "Dew Point"}));
    EXPECT_EQ(PressureColumns(), (std::vector<std::string>{"Pressure", "Reserved", "Unknown0x8c"}));
}

struct CellsCase {
    const char* name;
    WxLayer layer;
    std::vector<std::string> cells;
};

class LayerCellsTest : public ::testing::TestWithParam<CellsCase> {};

TEST_P(LayerCellsTest, ShowTheValuesAndTheRainNamesByKeyNumber) {
    EXPECT_EQ(LayerCells(GetParam().layer, CloudCellNames::FromRules(kRules)), GetParam().cells);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LayerCellsTest,
    ::testing::Values(CellsCase{"Wind",
                                WxWindLayer{609.0f, 12.7f, 20.2f, 271.9f, 5, 2, 1},
                                {"271", "20", "5", "1", "12", "2", "1998"}},
                      CellsCase{"Visibility", WxVisibilityLayer{48000.0f, 0.0f, 3047.85f}, {"0", "48000", "9999"}},
                      // Rain type 2 is the third key but the second name offered: it shows as its own key.
                      CellsCase{"Cloud",
                                WxCloudLayer{6, 304.79f, 4571.78f, 0, 6, 0, 2, 2, 0, 4, 1},
                                {"1000", "5", "0", "1", "0", "Heavy", "Snow", "0", "15000", "2", "6"}},
                      CellsCase{"CloudWithUnnamedRain",
                                WxCloudLayer{.rainType = 1, .rainRate = 3},
                                {"0", "-1", "0", "0", "0", "None", "None", "0", "0", "0", "0"}},
                      CellsCase{"Temperature", WxTemperatureLayer{0, 15, 3, 15}, {"0", "15", "3", "15"}}),
    [](const ::testing::TestParamInfo<CellsCase>& info) { return std::string(info.param.name); });

TEST(LayerRows, PressureCells) {
    EXPECT_EQ(PressureCells({0, 1012.2f, 15.0f}), (std::vector<std::string>{"   1012.20", "0", "15"}));
}

}  // namespace
}  // namespace wx
