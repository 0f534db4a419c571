#include "map/runway_numbers.h"

#include <gtest/gtest.h>

namespace trevalo {
namespace {

TEST(RunwayNumbersTest, NumbersRun1To36WithTheirReciprocals) {
    const struct {
        int number, normalized, reciprocal;
    } cases[] = {{0, 36, 18}, {36, 36, 18}, {18, 18, 36}, {1, 1, 19}, {19, 19, 1}, {37, 1, 19}, {-1, 35, 17}};
    for (const auto& c : cases) {
        EXPECT_EQ(NormalizeRunwayNumber(c.number), c.normalized) << c.number;
        EXPECT_EQ(ReciprocalRunwayNumber(c.number), c.reciprocal) << c.number;
    }
}

TEST(RunwayNumbersTest, AHeadingGivesTheNumbersOfBothEnds) {
    const struct {
        double heading, variation;
        int endTwo, endOne;
    } cases[] = {
        {360, 0, 36, 18}, {2, 5, 36, 18},   {184, 0, 18, 36}, {270, -5, 28, 10},
        {5, 0, 1, 19},    {358, 5, 35, 17}, {3, 0, 36, 18},   {-2, 0, 36, 18},
    };
    for (const auto& c : cases) {
        const RunwayNumbers numbers = RunwayNumbersFor(c.heading, c.variation);
        EXPECT_EQ(numbers.endTwo, c.endTwo) << c.heading << " " << c.variation;
        EXPECT_EQ(numbers.endOne, c.endOne) << c.heading << " " << c.variation;
    }
}

}  // namespace
}  // namespace trevalo
