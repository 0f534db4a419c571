#include "shell/trevalo_app.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QMdiArea>

#include "map/nav_database.h"
#include "navdata_testing/scenery_lines.h"
#include "platform/message_box.h"
#include "platform/settings_store.h"
#include "qtplatform/command_table.h"
#include "qtplatform/testing/qt_test.h"
#include "shell/main_frame.h"
#include "shell/settings.h"
#include "shell/trevalo_view.h"
#include "testing/temp_environment.h"

namespace trevalo {
namespace {

class StartupTest : public ::testing::Test {
protected:
    StartupTest() { ResetLoadError(); }
    ~StartupTest() override { ResetLoadError(); }

    platform::testing::TempEnvironment env_;
    platform::MessageBoxRecorder boxes_;
    Settings settings_;
};

TEST_F(StartupTest, CleansTheBaseDirectoryAndRecordsTheVersion) {
    settings_.WriteString(SettingId::Directory, "C:\\\\Quillet\\\\Data");
    CTrevaloApp app;
    ASSERT_TRUE(app.InitInstance());
    EXPECT_EQ(app.BaseDirectory(), "C:\\Quillet\\Data\\");
    EXPECT_EQ(settings_.ReadString(SettingId::Directory), "C:\\Quillet\\Data\\");
    EXPECT_EQ(settings_.ReadString(SettingId::VersionA), "1");
    EXPECT_EQ(settings_.ReadString(SettingId::VersionB), "E");
    ASSERT_NE(app.GetActiveMapView(), nullptr);
    EXPECT_EQ(app.GetActiveMapView()->Database().baseDirectory(), "C:\\Quillet\\Data\\");
    app.ExitInstance(0);
}

TEST_F(StartupTest, MissingDatabasesAreReportedThenTheMissingAirports) {
    CTrevaloApp app;
    ASSERT_TRUE(app.InitInstance());
    EXPECT_TRUE(app.MainFrame()->isVisible());
    EXPECT_TRUE(app.MainFrame()->isMaximized());
    EXPECT_EQ(app.MainFrame()->MdiArea()->subWindowList().size(), 1);

    const std::vector<platform::MessageBoxRequest> shown = boxes_.shown();
    ASSERT_EQ(shown.size(), 2u);
    // Whichever loader stored its code last is reported, with the file's own text.
    EXPECT_NE(shown[0].text.find("' Could not be located\n"), std::string::npos) << shown[0].text;
    EXPECT_EQ(shown[1].text, kNoAirportMessage);
    for (const auto& box : shown) {
        EXPECT_EQ(box.icon, platform::MbIcon::Information);
        EXPECT_EQ(box.caption, kProgramTitle);
    }
    EXPECT_EQ(app.ExitInstance(3), 3);
    EXPECT_EQ(app.MainFrame(), nullptr);
}

TEST_F(StartupTest, ForwardersReachTheActiveMapViewAndDoNothingWithoutOne) {
    constexpr size_t kAirportWidth = 335;
    const std::string line = navdata::testing::SceneryAirportLine(navdata::testing::AirportFields{});
    std::string countLine = "1";
    countLine.resize(kAirportWidth, ' ');
    env_.writeFile("drive_c/Quillet/Airport.nav", countLine + "\r\n" + line + "\r\n");
    const std::string untouched = "untouched";

    CTrevaloApp app;
    for (bool started : {false, true}) {
        SCOPED_TRACE(started ? "with the map view" : "before start-up");
        if (started) {
            ASSERT_TRUE(app.InitInstance());
        }
        app.CenterMapOn(47.5, 8.25, 1000);
        bool holdingShown = false;
        if (started) {
            qtplatform::testing::WhenModalShown([&holdingShown](QWidget* modal) {
                holdingShown = true;
                qobject_cast<QDialog*>(modal)->reject();
            });
        }
        app.ShowHoldingAirports();
        EXPECT_EQ(holdingShown, started);
        app.ReloadRouteMap();
        int count = -1;
        const CRoutePoint* points = app.GetRoute(count);
        EXPECT_EQ(count, 0);
        if (!started) {
            EXPECT_EQ(points, nullptr);
        }

        std::vector<char> out(kAirportWidth + 1, '\0');
        for (int index : {-1, 1}) {
            std::copy(untouched.begin(), untouched.end(), out.begin());
            app.GetAirportLine(index, out.data());
            EXPECT_STREQ(out.data(), untouched.c_str()) << index;
        }
        app.GetAirportLine(0, out.data());
        EXPECT_EQ(std::string(out.data()), started ? line : untouched);
    }
    app.ExitInstance(0);
}

TEST_F(StartupTest, AboutAndDebugOptionsCommandsRunTheirDialogs) {
    CTrevaloApp app;
    ASSERT_TRUE(app.InitInstance());
    struct Case {
        int id;
        const char* caption;
    };
    const Case cases[] = {{57664, "About Trevalo"}, {175, "Debug Options"}};
    for (const Case& c : cases) {
        QString seen;
        qtplatform::testing::WhenModalShown([&seen](QWidget* modal) {
            seen = modal->windowTitle();
            qobject_cast<QDialog*>(modal)->reject();
        });
        QAction* action = qtplatform::FindCommand(app.MainFrame(), c.id);
        ASSERT_NE(action, nullptr);
        ASSERT_TRUE(action->isEnabled());
        action->trigger();
        EXPECT_EQ(seen, c.caption);
    }
    app.ExitInstance(0);
}

}  // namespace
}  // namespace trevalo
