#include <gtest/gtest.h>

#include "editor_app.h"
#include "main_frame.h"
#include "testing/temp_environment.h"

namespace quillet {
namespace {

TEST(EditorFrameTest, Starts) {
    platform::testing::TempEnvironment env;
    CEditorApp app;
    ASSERT_TRUE(app.InitInstance({}));
    EXPECT_NE(app.MainFrame(), nullptr);
    app.ExitInstance(0);
}

}  // namespace
}  // namespace quillet
