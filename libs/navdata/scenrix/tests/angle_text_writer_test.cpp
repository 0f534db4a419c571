#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "angle_text_internal.h"

namespace {

enum class Axis { Latitude, Longitude };

std::string Compose(Axis axis, double degrees) {
    return axis == Axis::Latitude ? LatitudeToAngleText(degrees) : LongitudeToAngleText(degrees);
}

struct CompositionCase {
    Axis axis;
    double degrees;
    const char* expected;
};

class AngleTextComposition : public testing::TestWithParam<CompositionCase> {};

TEST_P(AngleTextComposition, FollowsTheFixedLayout) {
    const CompositionCase& c = GetParam();
    const std::string text = Compose(c.axis, c.degrees);
    EXPECT_EQ(text, c.expected);
    EXPECT_EQ(text.size(), 14u);
}

INSTANTIATE_TEST_SUITE_P(
    Writers, AngleTextComposition,
    testing::Values(
        CompositionCase{Axis::Latitude, 0.0, "N000*  0'00.00"},
        CompositionCase{Axis::Longitude, 0.0, "E000*  0'00.00"},
        CompositionCase{Axis::Longitude, -0.5, "W000* 30'00.00"},
        CompositionCase{Axis::Longitude, 8.5, "E008* 30'00.00"},
        CompositionCase{Axis::Longitude, 180.0, "E180*  0'00.00"},
        // 26.25 minutes: exact in binary, so every digit shows.
        CompositionCase{Axis::Latitude, 47.4375, "N047* 26'25.00"},
        CompositionCase{Axis::Latitude, -47.4375, "S047* 26'25.00"},
        // A single-digit minute keeps two leading blanks.
        CompositionCase{Axis::Latitude, 12.0 + 5.0 / 60.0 + 0.0000001, "N012*  5'00.00"},
        // Every step truncates: 33.9 lies just below in binary and shows 53'99.99.
        CompositionCase{Axis::Latitude, -33.9, "S033* 53'99.99"}));

TEST(AngleTextCompositionBadInput, StaysWithinItsLayout) {
    const double inputs[] = {std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::infinity(), -1e300};
    for (double degrees : inputs) {
        const std::string text = LatitudeToAngleText(degrees);
        ASSERT_FALSE(text.empty());
        EXPECT_TRUE(text[0] == 'N' || text[0] == 'S') << text;
        EXPECT_NE(text.find('*'), std::string::npos) << text;
        EXPECT_NE(text.find('\''), std::string::npos) << text;
    }
}

// What the writers compose, the signed reader takes back: latitudes north
// positive, longitudes west positive.
TEST(AngleTextRoundTrip, ReaderInvertsWriters) {
    const double values[] = {0.0, 47.4375, -47.4375, 8.5, -122.25, 179.75};
    for (double degrees : values) {
        EXPECT_NEAR(AngleTextToDegrees(LatitudeToAngleText(degrees).c_str()), degrees, 1e-6)
            << degrees;
        EXPECT_NEAR(AngleTextToDegrees(LongitudeToAngleText(degrees).c_str()), -degrees, 1e-6)
            << degrees;
    }
}

}  // namespace
