// The planner's main window as the other programs of the suite reach it.
#include <gtest/gtest.h>
#include <unistd.h>

#include "map/nav_database.h"
#include "platform/message_box.h"
#include "platform/windows.h"
#include "qtplatform/testing/qt_test.h"
#include "quiet_startup.h"
#include "shell/main_frame.h"
#include "shell/trevalo_app.h"
#include "testing/temp_environment.h"

namespace trevalo {
namespace {

class MainWindowClassTest : public ::testing::Test {
protected:
    MainWindowClassTest() {
        ResetLoadError();
        testing::QuietStartUp();
    }
    ~MainWindowClassTest() override { ResetLoadError(); }

    platform::testing::TempEnvironment env_;
    platform::MessageBoxRecorder boxes_;
};

TEST_F(MainWindowClassTest, OthersFindTheMainFrameAndCloseIt) {
    CTrevaloApp app;
    ASSERT_TRUE(app.InitInstance());
    const platform::Hwnd window = platform::FindWindow(std::string("TrevaloMainFrame"));
    ASSERT_NE(window, 0u);
    EXPECT_EQ(platform::WindowProcessId(window), ::getpid());
    const std::vector<platform::WindowInfo> windows = platform::EnumerateWindows();
    ASSERT_EQ(windows.size(), 1u);
    EXPECT_EQ(windows[0].title, app.MainFrame()->windowTitle().toStdString());

    ASSERT_TRUE(platform::PostMessage(window, platform::WM_CLOSE, 0, 0));
    EXPECT_TRUE(qtplatform::testing::ProcessEventsUntil([&app] { return !app.MainFrame()->isVisible(); }));
    app.ExitInstance(0);
    EXPECT_EQ(platform::FindWindow(std::string("TrevaloMainFrame")), 0u);
}

}  // namespace
}  // namespace trevalo
