#include "maparithmetic/label_grid.h"

#include <gtest/gtest.h>

namespace trevalo {
namespace {

// An area of the metric mode (y up, below the world's top) in cells of 10 units.
const platform::Rect kArea{1000, -2000, 2000, -2600};
constexpr int kCell = 10;
// A label 40 units wide and 12 high whose top-left corner is at (x, y).
platform::Rect LabelAt(int x, int y) { return {x, y, x + 40, y - 12}; }

TEST(LabelGridTest, ALabelIsPlacedOnlyWhereNoneLiesYet) {
    struct Case {
        const char* what;
        platform::Rect second;
        bool placed;
    };
    const Case cases[] = {
        {"the same place", LabelAt(1100, -2100), false},
        {"overlapping at a corner", LabelAt(1130, -2110), false},
        {"beside it, a cell apart", LabelAt(1150, -2100), true},
        {"meeting its right edge on a cell border", LabelAt(1140, -2100), true},
        {"below it", LabelAt(1100, -2120), true},
        {"reaching in from outside the area", {900, -2105, 1105, -2110}, false},
        {"wholly outside the area", LabelAt(500, -2100), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LabelGrid grid(kArea, kCell);
        ASSERT_TRUE(grid.Claim(LabelAt(1100, -2100)));
        EXPECT_EQ(grid.Claim(c.second), c.placed);
    }
}

TEST(LabelGridTest, ALabelLeftOutTakesNoRoom) {
    LabelGrid grid(kArea, kCell);
    ASSERT_TRUE(grid.Claim(LabelAt(1100, -2100)));
    // Refused for its left part; its right part stays free for a third label.
    EXPECT_FALSE(grid.Claim(LabelAt(1120, -2100)));
    EXPECT_TRUE(grid.Claim(LabelAt(1150, -2100)));
}

TEST(LabelGridTest, AReservedPlaceTakesNoLabel) {
    LabelGrid grid(kArea, kCell);
    grid.Reserve({1500, -2300, 1600, -2400});
    EXPECT_FALSE(grid.Claim(LabelAt(1480, -2290)));
    EXPECT_TRUE(grid.Claim(LabelAt(1440, -2290)));
    // Reserving over a label is allowed.
    grid.Reserve(LabelAt(1440, -2290));
}

}  // namespace
}  // namespace trevalo
