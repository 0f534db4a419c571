#include "wx/editor_title.h"

#include <gtest/gtest.h>

namespace wx {
namespace {

TEST(EditorTitle, ShowsTheFileShortenedPastThirtyThreeCharacters) {
    EXPECT_EQ(WeatherEditorTitle(""), "Weather Editor [No file selected]");
    const std::string exactly33 = "C:\\Quillet\\Weather\\Adventure00.wx";
    ASSERT_EQ(exactly33.size(), 33u);
    EXPECT_EQ(WeatherEditorTitle(exactly33), "Weather Editor [" + exactly33 + "]");
    EXPECT_EQ(WeatherEditorTitle(exactly33 + "x"), "Weather Editor [C:\\Quillet...ther\\Adventure00.wxx]");
}

}  // namespace
}  // namespace wx
