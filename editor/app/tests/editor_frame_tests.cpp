// The main frame offscreen: its menus and bars, the commands' states, the recent files,
// closing with the save question, and the places of the bars written when it goes.
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>
#include <QUrl>

#include "build_bar.h"
#include "command_ids.h"
#include "config_bar.h"
#include "editor_fixture.h"
#include "platform/windows.h"
#include "qtplatform/control_ids.h"
#include "workstation_bar.h"

namespace quillet::testing {
namespace {

using FrameTest = EditorTest;

QAction* Command(const CEditorApp& app, int id) { return qtplatform::FindCommand(app.MainFrame(), id); }

TEST_F(FrameTest, MenusHoldTheCommandsWithTheirStates) {
    struct Entry {
        int id;
        const char* menu;
        const char* text;
        bool enabled;  // with no document open
    };
    const Entry entries[] = {
        {kCmdFileNew, "&File", "&New\tCtrl+N", true},
        {kCmdFileSave, "&File", "&Save\tCtrl+S", false},
        {kCmdFilePrint, "&File", "&Print...\tCtrl+P", false},
        {kCmdFilePrintSetup, "&File", "P&rint Setup...", true},
        {kCmdFileSendMail, "&File", "Sen&d...", true},
        {kCmdEditUndo, "&Edit", "&Undo\tCtrl+Z", false},
        {kCmdFind, "&Edit", "&Find\tCtrl+F", true},
        {kCmdRepeatSearch, "&Edit", "&Repeat Search\tF3", false},
        {kCmdViewBuildBar, "&View", "&Build Bar", true},
        {kCmdCompileMenu, "E&ditor", "C&ompile\tF7", true},
        {kCmdNextError, "E&ditor", "Show next error\tF4", true},
        {kCmdShortcutFiles, "E&ditor", "&Configuration\tCtrl+I", true},
        {kCmdLaunchWizard, "E&ditor", "Launch &Wizard", true},
        {kCmdNavAids, "E&ditor", "&NavAids", false},
        {kCmdRefreshDocument, "E&ditor", "&Refresh Document", false},
        {kCmdTipOfTheDay, "&Help", "Ti&p of the Day...", true},
    };
    qtplatform::UpdateCommandUI(app_.MainFrame());
    for (const Entry& e : entries) {
        QMenu* menu = qtplatform::FindMenu(app_.MainFrame(), e.menu);
        ASSERT_NE(menu, nullptr) << e.menu;
        ASSERT_NE(Command(app_, e.id), nullptr) << e.id;
        EXPECT_TRUE(menu->actions().contains(Command(app_, e.id))) << e.id;
        EXPECT_EQ(Command(app_, e.id)->text().toStdString(), e.text) << e.id;
        EXPECT_EQ(Command(app_, e.id)->isEnabled(), e.enabled) << e.id;
    }
    EXPECT_EQ(qtplatform::FindMenu(app_.MainFrame(), "&Help")->actions().front(), Command(app_, kCmdTipOfTheDay));
    Open(WriteSource("Adv/A.txt", "x"));
    qtplatform::UpdateCommandUI(app_.MainFrame());
    for (int id : {kCmdFileSave, kCmdRefreshDocument}) EXPECT_TRUE(Command(app_, id)->isEnabled()) << id;
    EXPECT_TRUE(Command(app_, kCmdAutoTab)->isChecked());
}

TEST_F(FrameTest, TheBarsHoldTheirControlsAndTheViewCommandsShowAndHideThem) {
    CMainFrame& frame = *app_.MainFrame();
    EXPECT_NE(qtplatform::FindControl<QListWidget>(&frame.BuildBar(), kBuildListId), nullptr);
    EXPECT_NE(qtplatform::FindControl<QTreeWidget>(&frame.WorkstationBar(), kLabelTreeId), nullptr);
    EXPECT_EQ(frame.dockWidgetArea(&frame.BuildBar()), Qt::BottomDockWidgetArea);
    EXPECT_EQ(frame.dockWidgetArea(&frame.WorkstationBar()), Qt::LeftDockWidgetArea);
    EXPECT_EQ(frame.ConfigBar().actions().size(), 4);
    EXPECT_EQ(frame.ConfigBar().actions().front(), Command(app_, kCmdCompile));
    EXPECT_FALSE(frame.BuildBar().isVisibleTo(&frame));
    struct Bar {
        int id;
        QWidget* widget;
    };
    for (const Bar& bar : {Bar{kCmdViewBuildBar, &frame.BuildBar()}, Bar{kCmdViewWorkstation, &frame.WorkstationBar()},
                           Bar{kCmdViewConfigBar, &frame.ConfigBar()}, Bar{kCmdViewToolbar, &frame.ToolBar()},
                           Bar{kCmdViewStatusBar, frame.statusBar()}}) {
        const bool shown = bar.widget->isVisibleTo(&frame);
        ASSERT_TRUE(Run(bar.id));
        EXPECT_NE(bar.widget->isVisibleTo(&frame), shown) << bar.id;
        qtplatform::UpdateCommandUI(&frame);
        EXPECT_EQ(Command(app_, bar.id)->isChecked(), !shown) << bar.id;
    }
}

TEST_F(FrameTest, RecentFilesAreListedNewestFirstAndOpenFromTheMenu) {
    const std::string first = WriteSource("Adv/First.txt", "1");
    const std::string second = WriteSource("Adv/Second.txt", "2");
    Open(first);
    Open(second);
    EXPECT_EQ(Command(app_, kCmdFileMruFirst)->text().toStdString(), "&1 " + second);
    EXPECT_EQ(Command(app_, kCmdFileMruFirst + 1)->text().toStdString(), "&2 " + first);
    EXPECT_FALSE(Command(app_, kCmdFileMruFirst + 2)->isVisible());
    app_.MainFrame()->MdiArea()->closeAllSubWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(Run(kCmdFileMruFirst + 1));
    ASSERT_NE(app_.CurrentDocument(), nullptr);
    EXPECT_EQ(app_.CurrentDocument()->GetPathName(), first);
    EXPECT_EQ(settings_.ReadString(trevalo::SettingId::Directory), "C:\\Quillet\\");
}

TEST_F(FrameTest, FilesDroppedOnTheFrameOpenAndFilesOffTheDrivesAreRefused) {
    WriteSource("Adv/Dropped.txt", "start:");
    const auto outside = env_.writeFile("elsewhere/Outside.txt", "x");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString((env_.driveC() / "Adv/Dropped.txt").string())),
                  QUrl::fromLocalFile(QString::fromStdString(outside.string()))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(app_.MainFrame(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(app_.MainFrame(), &drop);
    ASSERT_EQ(app_.Documents().size(), 1u);
    EXPECT_EQ(app_.Documents().front()->GetPathName(), "C:\\Adv\\Dropped.txt");
    EXPECT_EQ(boxes_.texts(), std::vector<std::string>{kCannotOpenDocumentMessage});
}

class CloseTest : public EditorTest {
protected:
    CloseTest() : EditorTest({platform::MbResult::Cancel, platform::MbResult::No}) {}
};

TEST_F(CloseTest, AModifiedDocumentAsksBeforeItsFrameCloses) {
    CQuilletDoc& document = Open(WriteSource("Adv/A.txt", "x"));
    TypeAtEnd(document, "y");
    app_.MainFrame()->close();
    EXPECT_TRUE(app_.MainFrame()->isVisible());
    EXPECT_EQ(boxes_.texts(), std::vector<std::string>{"Save changes to A.txt?"});
    // A close asked by another program goes the same way; No closes without saving.
    platform::PostMessage(platform::FindWindow(std::string("QuilletMainFrame")), platform::WM_CLOSE, 0, 0);
    EXPECT_TRUE(qtplatform::testing::ProcessEventsUntil([&] { return !app_.MainFrame()->isVisible(); }));
    EXPECT_EQ(ReadHost("Adv/A.txt"), "x");
}

TEST(FramePlacesTest, TheBarsPlacesAreWrittenWhenTheFrameGoes) {
    platform::testing::TempEnvironment env;
    platform::MessageBoxRecorder boxes;
    trevalo::Settings().WriteInt(trevalo::SettingId::TipStartUp, 1);
    {
        CEditorApp app;
        ASSERT_TRUE(app.InitInstance({}));
        app.ExitInstance(0);
    }
    const platform::Profile profile(trevalo::kSettingsCompany, trevalo::kSettingsProfile);
    for (const char* section : {kConfigBarSection, kToolBarSection}) {
        const int top = profile.GetInt(section, "top", -1), bottom = profile.GetInt(section, "bottom", -1);
        const int left = profile.GetInt(section, "left", -1), right = profile.GetInt(section, "right", -1);
        EXPECT_LT(top, bottom) << section;
        EXPECT_LT(left, right) << section;
    }
}

}  // namespace
}  // namespace quillet::testing
