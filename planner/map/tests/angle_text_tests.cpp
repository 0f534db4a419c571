#include "map/angle_text.h"

#include <gtest/gtest.h>

namespace trevalo {
namespace {

struct TextCase {
    const char* text;
    double degrees;
};

TEST(ParseLatLonText, ReadsHemisphereTexts) {
    const TextCase cases[] = {
        {"S000* 30'00.00", -0.5},
        {"N047* 27'57.00", 47 + 27.57 / 60},
        {"E008* 30'00.00", -8.5},
        {"W122* 15'45.00", 122 + 15.45 / 60},
        {"N047*27'57.00", 47 + 27.57 / 60},
        {"X047* 27'57.00", 0},
        {"n047* 27'57.00", 0},
        {"N047 27'57.00", 0},
        {"N047* 27 57.00", 0},
        {"N047' 27*57.00", 0},
        {"", 0},
        {"N", 0},
        {"N*'", 0},
        {"garbage", 0},
    };
    for (const auto& c : cases) EXPECT_NEAR(ParseLatLonText(c.text), c.degrees, 1e-12) << c.text;
}

TEST(ParseColonAngle, ReadsColonAndDecimalTexts) {
    const TextCase cases[] = {
        {"12.5", 12.5},
        {"-8.25", -8.25},
        {"12:30", 0},
        {"47:27:57", 47 + 27.57 / 60},
        {"-0:30:00", -0.5},
        {"-12:30:50", -(12 + 30.5 / 60)},
        // Only a minus sign in the first place makes the value negative.
        {" -1:30:00", 1.5},
        {"", 0},
        {"abc", 0},
        {"a:b:c", 0},
        {"::", 0},
    };
    for (const auto& c : cases) EXPECT_NEAR(ParseColonAngle(c.text), c.degrees, 1e-12) << c.text;
}

TEST(FormatLatLon, WritesHemisphereTexts) {
    struct Case {
        double value;
        bool isLatitude;
        const char* text;
    };
    const Case cases[] = {
        {47.5, true, "N047* 30'0.00"},       {-33.5, true, "S033* 30'0.00"}, {-8.25, false, "E008* 15'0.00"},
        {122.2575, false, "W122* 15'45.00"}, {0.0, true, "000* 00'0.00"},    {0.0, false, "000* 00'0.00"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatLatLon(c.value, c.isLatitude), c.text) << c.value;
}

TEST(FormatLatLon, ReadsBackWithinRounding) {
    const double values[] = {47.4661, -8.5492, 0.001, -179.99, 89.9999, 12.0, -0.75};
    for (double value : values) {
        for (bool isLatitude : {true, false}) {
            const std::string text = FormatLatLon(value, isLatitude);
            // Two decimals of a hundredth of a minute.
            EXPECT_NEAR(ParseLatLonText(text), value, 1e-6) << text;
        }
    }
}

}  // namespace
}  // namespace trevalo
