#include "mapview/label_font.h"

#include <gtest/gtest.h>

namespace trevalo {
namespace {

TEST(LabelFontTest, HeightFollowsTheZoomWithinItsRange) {
    struct Case {
        int zoom;
        int height;
    };
    const Case cases[] = {{0, LabelFont::kMinHeight},
                          {1, 26},
                          {3, LabelFont::kMaxHeight},
                          {1000, LabelFont::kMaxHeight},
                          {725501, LabelFont::kMaxHeight}};
    for (const Case& c : cases) EXPECT_EQ(LabelFont::HeightForZoom(c.zoom), c.height) << c.zoom;
}

// Zooming in and back out again (the order that once left labels centimetres high)
// gives every zoom its own height.
TEST(LabelFontTest, IsMadeAgainForEveryZoomInBothDirections) {
    LabelFont font;
    EXPECT_FALSE(font.Font().has_value());
    for (int zoom : {3, 6, 12, 24, 48, 96, 192, 96, 1, 3, 1}) {
        font.Update(zoom);
        ASSERT_TRUE(font.Font().has_value());
        EXPECT_EQ(font.Font()->height, LabelFont::HeightForZoom(zoom)) << zoom;
        EXPECT_EQ(font.Font()->face, "Arial");
    }
}

}  // namespace
}  // namespace trevalo
