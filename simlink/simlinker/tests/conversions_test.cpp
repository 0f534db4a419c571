#include "conversions.h"

#include <gtest/gtest.h>

#include <limits>

namespace simlink {
namespace {

TEST(ConversionsTest, DoublesWrapIntoThirtyTwoBitFields) {
    const struct {
        double value;
        std::int32_t expected;
    } cases[] = {
        {3221225472.0, -1073741824},  // three quarters of a turn
        {2147483648.0, std::numeric_limits<std::int32_t>::min()},
        {-5.9, -5},
        {4294967296.0 + 7.5, 7},
        {std::numeric_limits<double>::quiet_NaN(), 0},
        {std::numeric_limits<double>::infinity(), 0},
        {1e300, WrapToField<std::int32_t>(std::fmod(1e300, 4294967296.0))},
    };
    for (const auto& test : cases) EXPECT_EQ(WrapToField<std::int32_t>(test.value), test.expected) << test.value;
    EXPECT_EQ(WrapToField<std::uint32_t>(-5.0), 4294967291u);
    EXPECT_EQ(WrapToField<std::uint16_t>(2.5 * 256), 640);
}

TEST(ConversionsTest, RoundsByTheFirstDecimalBeyondIntRange) {
    const struct {
        double value;
        double expected;
    } cases[] = {{2.45, 2}, {2.5, 3}, {-2.5, -3}, {-2.45, -2}, {3e9 + 0.5, 3e9 + 1}, {-3e9 - 0.6, -3e9 - 1}};
    for (const auto& test : cases) EXPECT_EQ(RoundWide(test.value), test.expected) << test.value;
}

TEST(ConversionsTest, CoordinatesSurviveEncoding) {
    for (double degrees : {0.0, 47.45, -33.9, 89.99, -89.99}) {
        EXPECT_NEAR(LatitudeDegrees(EncodeLatitude(degrees)), degrees, 1e-9) << degrees;
    }
    for (double degrees : {0.0, -122.3, 151.2, 179.9999, -180.0}) {
        EXPECT_NEAR(LongitudeDegrees(EncodeLongitude(degrees)), degrees, 1e-9) << degrees;
    }
    // 180 east is the same meridian as 180 west: the high part wraps.
    EXPECT_EQ(EncodeLongitude(180.0).high, std::numeric_limits<std::int32_t>::min());
    EXPECT_DOUBLE_EQ(HeadingDegrees(EncodeHeading(270.0)), -90.0);
    EXPECT_DOUBLE_EQ(HeadingDegrees(EncodeHeading(90.0)), 90.0);
}

}  // namespace
}  // namespace simlink
