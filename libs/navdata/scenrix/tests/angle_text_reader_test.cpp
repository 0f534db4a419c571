#include <gtest/gtest.h>

#include <string>

#include "angle_text_internal.h"
#include "scenrix/angle_text.h"

namespace {

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
        EXPECT_NEAR(GetDecimalMinutesFromAngle(c.text), c.degrees, 1e-9)
            << (c.text ? c.text : "null");
    }
}

struct ExportedReadersCase {
    const char* text;
    double degree;
    double minute;
    double seconds;
    double tenthOfSeconds;
};

class ExportedAngleReaders : public testing::TestWithParam<ExportedReadersCase> {};

TEST_P(ExportedAngleReaders, SplitTheText) {
    const ExportedReadersCase& c = GetParam();
    EXPECT_DOUBLE_EQ(GetDegreeFromAngle(c.text), c.degree);
    EXPECT_DOUBLE_EQ(GetMinuteFromAngle(c.text), c.minute);
    EXPECT_NEAR(GetSecondsFromAngle(c.text), c.seconds, 1e-9);
    EXPECT_DOUBLE_EQ(GetTenthOfSecondsFromAngle(c.text), c.tenthOfSeconds);
}

INSTANTIATE_TEST_SUITE_P(
    Readers, ExportedAngleReaders,
    testing::Values(ExportedReadersCase{"047* 27'57.37", 47.0, 27.0, 57.37, 37.0},
                    // With its letter only the degree reader gives up.
                    ExportedReadersCase{"N047* 27'57.37", 0.0, 27.0, 57.37, 37.0},
                    ExportedReadersCase{"008*  5'07", 8.0, 5.0, 7.0, 0.0},
                    ExportedReadersCase{"047 27'57.37", 47.0, 0.0, 0.0, 37.0},
                    ExportedReadersCase{"   ", 0.0, 0.0, 0.0, 0.0},
                    ExportedReadersCase{"", 0.0, 0.0, 0.0, 0.0},
                    ExportedReadersCase{nullptr, 0.0, 0.0, 0.0, 0.0}));

}  // namespace
