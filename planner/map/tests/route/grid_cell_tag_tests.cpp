#include "map/grid_cell_tag.h"

#include <gtest/gtest.h>

namespace trevalo {
namespace {

TEST(GridCellTagTest, TagsAndCellsBothWays) {
    const struct {
        const char* text;
        GridCellTag tag;
    } cases[] = {{"(A05,12)", {kAirportCellKind, 5, 12}}, {"(N35,00)", {kNavaidCellKind, 35, 0}}};
    for (const auto& c : cases) {
        EXPECT_EQ(FormatGridCellTag(c.tag), c.text);
        EXPECT_EQ(ParseGridCellTag(c.text), c.tag) << c.text;
        EXPECT_EQ(ParseGridCellTag(std::string(c.text) + "Name after it"), c.tag) << c.text;
    }
}

TEST(GridCellTagTest, OtherShapesAreRefused) {
    for (const char* text : {"", "(A05,1", "A05,12)", "(X05,12)", "(A5,12)x", "(A05;12)", "(A05,12]", "(A0a,12)"}) {
        EXPECT_EQ(ParseGridCellTag(text), std::nullopt) << text;
    }
}

}  // namespace
}  // namespace trevalo
