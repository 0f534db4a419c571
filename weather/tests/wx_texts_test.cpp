#include <gtest/gtest.h>

#include "wx/wx_station_text.h"

namespace wx {
namespace {

struct AngleCase {
    double degrees;
    bool latitude;
    const char* text;
};

class StationAngleTextTest : public ::testing::TestWithParam<AngleCase> {};

TEST_P(StationAngleTextTest, PrintsTruncatedParts) {
    EXPECT_EQ(StationAngleText(GetParam().degrees, GetParam().latitude), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Cases, StationAngleTextTest,
                         ::testing::Values(AngleCase{47.5, true, "N047* 30'00.00"},
                                           AngleCase{-122.25, false, "W122* 15'00.00"},
                                           AngleCase{10.125, false, "E010*  7'30.00"},
                                           AngleCase{-0.5, true, "S000* 30'00.00"},
                                           AngleCase{0.0, true, "N000*  0'00.00"},
                                           // 1 degree and 1.25 seconds.
                                           AngleCase{1.0 + 1.25 / 3600.0, true, "N001*  0'01.25"},
                                           // Just short of a whole minute: truncated, not rounded up.
                                           AngleCase{1.0 / 60.0 - 1e-9, true, "N000*  0'59.99"}));

}  // namespace
}  // namespace wx
