#include "wx/wx_units.h"

#include <gtest/gtest.h>

#include <limits>

namespace wx {
namespace {

TEST(WxUnits, HeightsGoToMetresOnceAndComeBackTruncated) {
    EXPECT_FLOAT_EQ(FeetToMetres(10000), 3047.8513f);
    EXPECT_EQ(WindAltitudeFromFeet(2000), 609.0f);
    EXPECT_EQ(WindAltitudeFromFeet(-2000), -609.0f);
    EXPECT_EQ(ShownFeet(609.0f), 1998);
    EXPECT_EQ(ShownFeet(FeetToMetres(10000)), 10000);
    EXPECT_EQ(ShownFeet(FeetToMetres(2000)), 1999);
    EXPECT_EQ(ShownValue(-3.9f), -3);
}

TEST(WxUnits, CoverageIsStoredOneHigher) {
    EXPECT_EQ(StoredCoverage(3), 4);
    EXPECT_EQ(ShownCoverage(4), 3);
}

TEST(WxUnits, AnyStoredValueShowsDefined) {
    EXPECT_EQ(ShownValue(std::numeric_limits<float>::quiet_NaN()), 0);
    EXPECT_EQ(ShownValue(1e30f), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(ShownFeet(-1e30f), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(ShownCoverage(std::numeric_limits<int32_t>::min()), std::numeric_limits<int32_t>::min());
}

}  // namespace
}  // namespace wx
