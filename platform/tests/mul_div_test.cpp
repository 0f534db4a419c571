#include "platform/mul_div.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(MulDiv, RoundsHalfAwayFromZeroAndReportsFailure) {
    struct Case {
        int number, numerator, denominator, expected;
    };
    const Case cases[] = {
        {10, 96, 254, 4},  // 3.78 -> 4
        {5, 1, 2, 3},      // 2.5 -> 3
        {-5, 1, 2, -3},    // -2.5 -> -3
        {5, -1, 2, -3},
        {-5, -1, -2, -3},                      // 2.5 with a negative denominator, result -2.5
        {7, 1, 3, 2},                          // 2.33 -> 2
        {INT_MAX, INT_MAX, INT_MAX, INT_MAX},  // the intermediate needs 64 bits
        {INT_MAX, 2, 1, -1},                   // result leaves int
        {1, 1, 0, -1},                         // no denominator
        {0, 5, 7, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(platform::MulDiv(c.number, c.numerator, c.denominator), c.expected)
            << c.number << " * " << c.numerator << " / " << c.denominator;
}

}  // namespace
