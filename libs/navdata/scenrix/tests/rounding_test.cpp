#include <climits>
#include <limits>

#include <gtest/gtest.h>

#include "scenrix/rounding.h"

namespace {

struct RoundCase {
    double x;
    int expected;
};

TEST(Round, ByTheFirstDecimalDigitOnly) {
    const RoundCase cases[] = {
        {0.0, 0}, {0.44, 0},  {-0.44, 0},  {-0.5, -1}, {7.96, 8}, {2.45, 2},  // the second decimal never counts
        {2.5, 3}, {-2.5, -3}, {-7.96, -8}, {12.0, 12},
    };
    for (const RoundCase& c : cases) {
        EXPECT_EQ(scenrix::round(c.x), c.expected) << c.x;
    }
}

TEST(Round, SaturatesOutsideTheIntRange) {
    const RoundCase cases[] = {
        {1e12, INT_MAX},
        {-1e12, INT_MIN},
        {2147483647.9, INT_MAX},
        {std::numeric_limits<double>::infinity(), INT_MAX},
        {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const RoundCase& c : cases) {
        EXPECT_EQ(scenrix::round(c.x), c.expected) << c.x;
    }
}

}  // namespace
