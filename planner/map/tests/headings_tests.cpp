#include "map/headings.h"

#include <gtest/gtest.h>

namespace trevalo {
namespace {

TEST(HeadingsTest, DifferenceIsTakenModulo360) {
    const struct {
        double a, b, difference;
    } cases[] = {{358, 2, 4}, {2, 358, 4}, {0, 180, 180}, {90, 270, 180}, {10, 20, 10}, {720, 1, 1}, {-1, 1, 2}};
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(HeadingDifference(c.a, c.b), c.difference) << c.a << " " << c.b;
    }
}

}  // namespace
}  // namespace trevalo
