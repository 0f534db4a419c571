// Number texts of the record lines: the same characters printf gives for "%f", "%.5f"
// and "%d", including ties, negative zero, huge values and the non-numbers.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <limits>

#include "record_lines.h"

namespace scenrix::detail {
namespace {

std::string Printed(const char* format, double value) {
    char text[400];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

TEST(RecordLineNumbersTest, FixedTextMatchesPrintf) {
    const double values[] = {
        0.0, -0.0, 1.0, -1.0, 0.1, 118.25, 160.098, 359.9999995, 0.0078125,  // 2^-7: a tie
        0.00000049999, -0.0000001, 2.5e-7, 3.5e-6, 434.7112860892389, 1e15 + 0.5, 1e300,
        DBL_MAX, -DBL_MAX, DBL_MIN, std::numeric_limits<double>::infinity(),
        -std::numeric_limits<double>::infinity(), std::nan(""), 108.0 + 0.05 * 13, 352.5,
    };
    for (const double value : values) {
        EXPECT_EQ(FixedText(value), Printed("%f", value)) << value;
        EXPECT_EQ(FixedText(value, 5), Printed("%.5f", value)) << value;
    }
    // Every 1/2^20 step across a few units holds many exact ties at the sixth decimal.
    for (int i = -(3 << 20); i <= (3 << 20); i += 37) {
        const double value = std::ldexp(i, -20);
        ASSERT_EQ(FixedText(value), Printed("%f", value)) << value;
    }
}

TEST(RecordLineNumbersTest, IntegerTextMatchesPrintf) {
    for (const int value : {0, 7, -7, 4000, std::numeric_limits<int>::max(), std::numeric_limits<int>::min()}) {
        EXPECT_EQ(IntegerText(value), std::to_string(value));
    }
}

}  // namespace
}  // namespace scenrix::detail
