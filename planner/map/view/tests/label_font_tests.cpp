#include "mapview/label_font.h"

#include <gtest/gtest.h>

namespace trevalo {
namespace {

TEST(LabelFontTest, IsMadeOnlyWhenTheHeightShrinks) {
    LabelFont font;
    font.Update(3);  // 78 units: not smaller than the remembered 26
    EXPECT_FALSE(font.Font().has_value());
    font.Update(1);  // 26 units, smaller than the remembered 78
    ASSERT_TRUE(font.Font().has_value());
    EXPECT_EQ(font.Font()->height, 26);
    EXPECT_EQ(font.Font()->face, "Arial");
    font.Update(1000);  // growing keeps the small font
    EXPECT_EQ(font.Font()->height, 26);
}

}  // namespace
}  // namespace trevalo
