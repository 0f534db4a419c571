#include "shell/trevalo_app.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>

#include "map/nav_database.h"
#include "navdata/line_widths.h"
#include "navdata/record_lines.h"
#include "navdata_testing/scenery_lines.h"
#include "platform/message_box.h"
#include "platform/settings_store.h"
#include "qtplatform/command_table.h"
#include "qtplatform/testing/qt_test.h"
#include "quiet_startup.h"
#include "shell/main_frame.h"
#include "shell/settings.h"
#include "shell/trevalo_doc.h"
#include "shell/trevalo_view.h"
#include "testing/temp_environment.h"

namespace trevalo {
namespace {

class StartupTest : public ::testing::Test {
protected:
    StartupTest() {
        ResetLoadError();
        testing::QuietStartUp();
    }
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
    ASSERT_NE(app.Document(), nullptr);
    EXPECT_EQ(app.Document()->Database().baseDirectory(), "C:\\Quillet\\Data\\");
    app.ExitInstance(0);
}

TEST_F(StartupTest, MissingDatabasesAreReportedThenTheMissingAirports) {
    CTrevaloApp app;
    ASSERT_TRUE(app.InitInstance());
    EXPECT_TRUE(app.MainFrame()->isVisible());
    EXPECT_TRUE(app.MainFrame()->isMaximized());
    EXPECT_EQ(app.MainFrame()->MdiArea()->subWindowList().size(), 1);

    const std::vector<platform::MessageBoxRequest> shown = boxes_.shown();
    ASSERT_EQ(shown.size(), 3u);
    // Whichever loader stored its code last is reported, with the file's own text.
    EXPECT_NE(shown[0].text.find("' Could not be located\n"), std::string::npos) << shown[0].text;
    // The wizard, made once the frame shows, misses the three default files.
    EXPECT_EQ(shown[1].text.rfind("The files 'QuilletDefault.bmp'. 'QuilletDefault.brf' and", 0), 0u) << shown[1].text;
    EXPECT_EQ(shown[2].text, kNoAirportMessage);
    for (const auto& box : shown) {
        EXPECT_EQ(box.icon, platform::MbIcon::Information);
        EXPECT_EQ(box.caption, kProgramTitle);
    }
    EXPECT_EQ(app.ExitInstance(3), 3);
    EXPECT_EQ(app.MainFrame(), nullptr);
}

TEST_F(StartupTest, ForwardersReachTheActiveMapViewAndDoNothingWithoutOne) {
    constexpr size_t kAirportWidth = navdata::kAirportLineWidth;
    const std::string line = navdata::testing::SceneryAirportLine(navdata::testing::AirportFields{});
    env_.writeFile("drive_c/Quillet/Airport.nav", navdata::DatabaseBytes({line}, kAirportWidth));

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
        EXPECT_EQ(app.Document() != nullptr, started);
    }

    // The document holds the planner's data; the map view shows that same data.
    const CTrevaloDoc& document = *app.Document();
    const CTrevaloView* view = app.MainFrame()->GetActiveMapView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(&view->Database(), &document.Database());
    EXPECT_EQ(&view->GetRoute(), &document.GetRoute());
    EXPECT_EQ(document.Database().AirportLine(1), line);
    EXPECT_EQ(document.GetRoute().Count(), 0);

    // A route file written meanwhile is read into the document's route.
    env_.writeFile("drive_c/Quillet/map_internal.adf",
                   "NAVAIDINFO_300:\r\n" + line + "\r\n[BEG]90.000000\r\n[ENDSECTION]\r\n");
    app.ReloadRouteMap();
    ASSERT_EQ(document.GetRoute().Count(), 1);
    EXPECT_EQ(document.GetRoute().Points()[0].databaseNumber, 1);
    app.ExitInstance(0);
}

TEST_F(StartupTest, CommandsRunTheirDialogs) {
    env_.writeFile("drive_c/Quillet/.keep", "");  // the base directory, for the corrections file
    CTrevaloApp app;
    ASSERT_TRUE(app.InitInstance());
    struct Case {
        int id;
        const char* caption;
    };
    const Case cases[] = {{57664, "About Trevalo"},   {175, "Debug Options"},    {32804, "Configuration"},
                          {32783, "Configuration"},   {107, "Tip of the Day"},   {160, "Edit Tip"},
                          {32825, "Correct Airport"}, {32834, "Country / State"}};
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

TEST_F(StartupTest, TipOfTheDayShowsAtStartUpWhenAskedAndFromTheHelpMenu) {
    env_.writeFile("drive_c/Quillet/AdvTip.txt", "First tip\r\nSecond tip\r\n");
    settings_.WriteInt(SettingId::TipStartUp, 0);
    std::vector<QString> captions;
    const auto closeTip = [&captions](QWidget* modal) {
        captions.push_back(modal->windowTitle());
        qobject_cast<QDialog*>(modal)->reject();
    };
    qtplatform::testing::WhenModalShown(closeTip);
    CTrevaloApp app;
    ASSERT_TRUE(app.InitInstance());
    EXPECT_EQ(captions, std::vector<QString>{"Tip of the Day"});

    QMenu* help = nullptr;
    for (QAction* menu : app.MainFrame()->menuBar()->actions())
        if (menu->text() == "&Help") help = menu->menu();
    ASSERT_NE(help, nullptr);
    ASSERT_GE(help->actions().size(), 3);
    EXPECT_EQ(help->actions()[0]->text(), "Ti&p of the Day...");
    EXPECT_TRUE(help->actions()[1]->isSeparator());
    qtplatform::testing::WhenModalShown(closeTip);
    help->actions()[0]->trigger();
    EXPECT_EQ(captions.size(), 2u);
    app.ExitInstance(0);
    // Two showings took both tips: the next one goes round to the first.
    EXPECT_EQ(settings_.ReadInt(SettingId::TipFilePos), 23);
}

}  // namespace
}  // namespace trevalo
