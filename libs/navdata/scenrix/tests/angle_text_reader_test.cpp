#include <gtest/gtest.h>

#include <string>

#include "scenrix/angle_text.h"

namespace {

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

INSTANTIATE_TEST_SUITE_P(Readers, ExportedAngleReaders,
                         testing::Values(ExportedReadersCase{"047* 27'57.37", 47.0, 27.0, 57.37, 37.0},
                                         // With its letter only the degree reader gives up.
                                         ExportedReadersCase{"N047* 27'57.37", 0.0, 27.0, 57.37, 37.0},
                                         ExportedReadersCase{"008*  5'07", 8.0, 5.0, 7.0, 0.0},
                                         ExportedReadersCase{"047 27'57.37", 47.0, 0.0, 0.0, 37.0},
                                         ExportedReadersCase{"   ", 0.0, 0.0, 0.0, 0.0},
                                         ExportedReadersCase{"", 0.0, 0.0, 0.0, 0.0},
                                         ExportedReadersCase{nullptr, 0.0, 0.0, 0.0, 0.0}));

}  // namespace
