#include <bit>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "navdata/angle_text.h"
#include "platform/numbers.h"

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

INSTANTIATE_TEST_SUITE_P(Writers, AngleTextComposition,
                         testing::Values(CompositionCase{Axis::Latitude, 0.0, "N000*  0'00.00"},
                                         CompositionCase{Axis::Longitude, 0.0, "E000*  0'00.00"},
                                         CompositionCase{Axis::Longitude, -0.5, "W000* 30'00.00"},
                                         CompositionCase{Axis::Longitude, 8.5, "E008* 30'00.00"},
                                         CompositionCase{Axis::Longitude, 180.0, "E180*  0'00.00"},
                                         CompositionCase{Axis::Longitude, 151.25, "E151* 15'00.00"},
                                         CompositionCase{Axis::Latitude, 47.5, "N047* 30'00.00"},
                                         CompositionCase{Axis::Latitude, -33.9461, "S033* 56'76.60"},
                                         // 26.25 minutes: exact in binary, so every digit shows.
                                         CompositionCase{Axis::Latitude, 47.4375, "N047* 26'25.00"},
                                         CompositionCase{Axis::Latitude, -47.4375, "S047* 26'25.00"},
                                         // A single-digit minute keeps two leading blanks.
                                         CompositionCase{Axis::Latitude, 12.0 + 5.0 / 60.0 + 0.0000001,
                                                         "N012*  5'00.00"},
                                         // Every step truncates: 33.9 lies just below in binary and shows 53'99.99.
                                         CompositionCase{Axis::Latitude, -33.9, "S033* 53'99.99"}));

TEST(AngleTextCompositionBadInput, StaysWithinItsLayout) {
    const double inputs[] = {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(), -1e300};
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
        EXPECT_NEAR(AngleTextToDegrees(LatitudeToAngleText(degrees).c_str()), degrees, 1e-6) << degrees;
        EXPECT_NEAR(AngleTextToDegrees(LongitudeToAngleText(degrees).c_str()), -degrees, 1e-6) << degrees;
    }
}

struct SignedCase {
    const char* text;
    double degrees;
};

TEST(AngleTextToDegrees, SignsAndSeparators) {
    const SignedCase cases[] = {
        {"E008* 30'00.00", -8.5},
        {"W008* 30'00.00", 8.5},
        {"S047* 30'00.00", -47.5},
        {"N047* 27'57.37", 47.0 + 27.0 / 60.0 + 57.37 * 0.01 / 60.0},
        {"N047 27'57.37", 0.0},   // no "*"
        {"N047* 27 57.37", 0.0},  // no "'"
        {"N047' 27*57.37", 0.0},  // "'" before "*"
        {"              ", 0.0},
        {"", 0.0},
        {nullptr, 0.0},
    };
    for (const SignedCase& c : cases) {
        EXPECT_NEAR(AngleTextToDegrees(c.text), c.degrees, 1e-9) << (c.text ? c.text : "null");
        if (c.text != nullptr) {
            EXPECT_NEAR(AngleTextToDegrees(std::string(c.text)), c.degrees, 1e-9) << c.text;
        }
    }
}

TEST(GetDecimalMinutesFromAngle, ReadsMinutesAndTheirDecimals) {
    const SignedCase cases[] = {
        {"047* 27'57.37", 27.5737},
        {"N047*  5'00.00", 5.0},
        {"047* 27.5", 27.5},  // no "'": the text after "*" read as a whole
        {"047 27'57.37", 0.0},
        {"047*", 0.0},  // "*" last: nothing to read past it
        {nullptr, 0.0},
    };
    for (const SignedCase& c : cases) {
        EXPECT_NEAR(GetDecimalMinutesFromAngle(c.text), c.degrees, 1e-9) << (c.text ? c.text : "null");
    }
}

using navdata::AngleTextNumbers;
using navdata::AngleTextOfFields;
using platform::SaturatingInt;

// What the writers printed before they wrote their digits directly.
std::string PrintedFields(char letter, const AngleTextNumbers& numbers) {
    const char letterText[] = {letter, '\0'};
    char text[64];
    std::snprintf(text, sizeof text, "%s%03d*%3d'%02d.%02d", letterText, numbers[0], numbers[1], numbers[2],
                  numbers[3]);
    return text;
}

std::string PrintedAngleText(Axis axis, double degrees) {
    const bool nonNegative = degrees >= 0.0;
    const char letter = axis == Axis::Latitude ? (nonNegative ? 'N' : 'S') : (nonNegative ? 'E' : 'W');
    const double value = nonNegative ? degrees : std::fabs(degrees);
    const double wholeDegrees = std::trunc(value);
    const double minutes = (value - wholeDegrees) * 60.0;
    const double wholeMinutes = std::trunc(minutes);
    const double hundredths = (minutes - wholeMinutes) * 100.0;
    const double wholeHundredths = std::trunc(hundredths);
    const double tenThousandths = (hundredths - wholeHundredths) * 100.0;
    return PrintedFields(letter, {SaturatingInt(wholeDegrees), SaturatingInt(wholeMinutes),
                                  SaturatingInt(wholeHundredths), SaturatingInt(tenThousandths)});
}

// Both writers give what snprintf gave; the first difference ends the caller's sweep.
testing::AssertionResult BothAxesAsPrinted(double degrees) {
    for (Axis axis : {Axis::Latitude, Axis::Longitude}) {
        const std::string written = Compose(axis, degrees);
        const std::string printed = PrintedAngleText(axis, degrees);
        if (written != printed) {
            return testing::AssertionFailure() << (axis == Axis::Latitude ? "latitude " : "longitude ") << degrees
                                               << " wrote \"" << written << "\", printed \"" << printed << '"';
        }
    }
    return testing::AssertionSuccess();
}

// Every width the padding meets: below, at and above each field's width, both signs,
// and the saturated ends of the int range.
TEST(AngleTextFields, MatchPrintfForEveryWidthAndSign) {
    const int numbers[] = {INT_MIN, INT_MIN + 1, -1000, -999, -100, -99, -10, -9,   -1,    0,
                           1,       9,           10,    59,   99,   100, 999, 1000, 12345, INT_MAX};
    for (int degrees : numbers) {
        for (int minutes : numbers) {
            for (int hundredths : numbers) {
                for (int tenThousandths : numbers) {
                    const AngleTextNumbers fields = {degrees, minutes, hundredths, tenThousandths};
                    ASSERT_EQ(AngleTextOfFields('N', fields), PrintedFields('N', fields))
                        << degrees << ' ' << minutes << ' ' << hundredths << ' ' << tenThousandths;
                }
            }
        }
    }
}

TEST(AngleTextAsPrinted, EveryTenThousandthOfADegree) {
    constexpr int kStepsPerDegree = 10000;
    constexpr int kLastStep = 181 * kStepsPerDegree;
    for (int step = -kLastStep; step <= kLastStep; ++step) {
        ASSERT_TRUE(BothAxesAsPrinted(static_cast<double>(step) / kStepsPerDegree));
    }
}

// Just below and above each ten-thousandth of a minute, where truncation drops a digit.
TEST(AngleTextAsPrinted, NeighboursOfMinuteSteps) {
    constexpr int kStepsPerMinute = 10000;
    constexpr int kSteps = 3 * 60 * kStepsPerMinute;
    for (int step = 0; step <= kSteps; step += 7) {
        const double degrees = 47.0 + static_cast<double>(step) / (60.0 * kStepsPerMinute);
        ASSERT_TRUE(BothAxesAsPrinted(std::nextafter(degrees, 0.0)));
        ASSERT_TRUE(BothAxesAsPrinted(degrees));
        ASSERT_TRUE(BothAxesAsPrinted(std::nextafter(degrees, 1000.0)));
    }
}

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kUnusualValues[] = {0.0,
                                 -0.0,
                                 kNaN,
                                 -kNaN,
                                 kInfinity,
                                 -kInfinity,
                                 DBL_MAX,
                                 -DBL_MAX,
                                 DBL_MIN,
                                 -DBL_MIN,
                                 std::numeric_limits<double>::denorm_min(),
                                 1e-300,
                                 std::nextafter(1.0, 0.0),
                                 std::nextafter(180.0, 0.0),
                                 999.99999999,
                                 1000.0,
                                 1000.5,
                                 -12345.678,
                                 2147483647.0,
                                 2147483647.9,
                                 2147483648.0,
                                 -2147483648.0,
                                 -2147483649.0,
                                 1e10,
                                 1e15 + 0.5,
                                 1e300};

TEST(AngleTextAsPrinted, WideAndUnusualValues) {
    for (double degrees : kUnusualValues) {
        EXPECT_TRUE(BothAxesAsPrinted(degrees));
    }
}

// The degrees worked out without the text are those its reader finds in it, to the bit.
testing::AssertionResult TextDegreesAsRead(double degrees) {
    const double read[] = {AngleTextToDegrees(LatitudeToAngleText(degrees)),
                           AngleTextToDegrees(LongitudeToAngleText(degrees))};
    const double worked[] = {LatitudeTextDegrees(degrees), LongitudeTextDegrees(degrees)};
    for (int axis = 0; axis < 2; ++axis) {
        if (std::bit_cast<std::uint64_t>(read[axis]) != std::bit_cast<std::uint64_t>(worked[axis])) {
            return testing::AssertionFailure()
                   << degrees << " axis " << axis << ": " << worked[axis] << " for " << read[axis];
        }
    }
    return testing::AssertionSuccess();
}

TEST(AngleTextDegrees, MatchTheTextsReader) {
    constexpr int kStepsPerMinute = 10000;
    for (int step = -181 * 60 * kStepsPerMinute; step <= 181 * 60 * kStepsPerMinute; step += 997) {
        const double degrees = static_cast<double>(step) / (60.0 * kStepsPerMinute);
        ASSERT_TRUE(TextDegreesAsRead(std::nextafter(degrees, -1000.0)));
        ASSERT_TRUE(TextDegreesAsRead(degrees));
        ASSERT_TRUE(TextDegreesAsRead(std::nextafter(degrees, 1000.0)));
    }
    for (double degrees : kUnusualValues) EXPECT_TRUE(TextDegreesAsRead(degrees));
}

}  // namespace
