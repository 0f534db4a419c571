#include "shell/main_frame.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QMenu>

#include "platform/companion_program.h"
#include "platform/message_box.h"
#include "qtplatform/command_table.h"
#include "qtplatform/control_ids.h"
#include "shell/command_ids.h"
#include "shell/settings.h"
#include "testing/temp_environment.h"
#include "wizard/wizard_bar.h"

namespace trevalo {
namespace {

class MainFrameTest : public ::testing::Test {
protected:
    MainFrameTest() { created_ = frame_.OnCreate(); }

    QAction* Command(int id) { return qtplatform::FindCommand(&frame_, id); }

    CMainFrame frame_;
    bool created_ = false;
};

TEST_F(MainFrameTest, MenusHoldTheirCommandsAndLaterOnesAreDisabled) {
    ASSERT_TRUE(created_);
    struct Entry {
        int id;
        const char* menu;
        const char* text;
        bool enabled;  // without the application object, only the frame's own commands
    };
    const Entry entries[] = {
        {kCmdFileOpenAdf, "&File", "&Open 'Adf'\tCtrl-O", false},
        {kCmdFileNew, "&File", "Ne&w", false},
        {kCmdFilePrint, "&File", "&Print Flight Plan\tCtrl-P", false},
        {kCmdFilePrintPreview, "&File", "Pre&view Flight Plan", false},
        {kCmdFilePrintSetup, "&File", "Print Setup", false},
        {kCmdAppExit, "&File", "E&xit", true},
        {kCmdViewToolbar, "&View", "&Toolbar", true},
        {kCmdViewWizardBar, "&View", "&Wizard Bar", true},
        {kCmdConfiguration, "&Extra", "Conf&iguration\tCtrl-I", true},
        {kCmdCorrectAirport, "&Extra", "&Correct Airport location", false},
        {kCmdLaunchEditor, "&Extra", "&Launch Adventure Editor", true},
        {kCmdLoadingCountries, "&Extra>&Database Options", "Loading &Countries", false},
        {kCmdCreateDatabase, "&Extra>&Database Options", "&Create Database", false},
        {kCmdHome, "&Internet", "&Home\tCtrl-H", false},
        {kCmdUploadSidStar, "&Internet", "&Upload SID/STAR\tCtrl-U", false},
        {kCmdDownloadLatest, "&Internet", "&Download Latest\tCtrl-D", false},
        {kCmdCheckNewVersion, "&Internet", "&Check New version", false},
        {kCmdTipOfTheDay, "&Help", "Ti&p of the Day...", false},
        {kCmdAppAbout, "&Help", "&About Trevalo...", false},
    };
    for (const Entry& e : entries) {
        QMenu* menu = qtplatform::FindMenu(&frame_, e.menu);
        ASSERT_NE(menu, nullptr) << e.menu;
        ASSERT_NE(Command(e.id), nullptr) << e.id;
        EXPECT_TRUE(menu->actions().contains(Command(e.id))) << e.id;
        EXPECT_EQ(Command(e.id)->text(), e.text) << e.id;
        EXPECT_EQ(Command(e.id)->isEnabled(), e.enabled) << e.id;
    }
}

TEST_F(MainFrameTest, AcceleratorsReachTheirCommands) {
    struct Accelerator {
        QKeyCombination key;
        int id;
    };
    const Accelerator accelerators[] = {
        {Qt::CTRL | Qt::Key_D, kCmdDownloadLatest},
        {Qt::CTRL | Qt::Key_F, kCmdFindLocation},
        {Qt::CTRL | Qt::Key_H, kCmdHome},
        {Qt::CTRL | Qt::Key_I, kCmdPageSetupChanged},
        {Qt::CTRL | Qt::Key_O, kCmdFileOpenAdf},
        {Qt::CTRL | Qt::Key_P, kCmdFilePrint},
        {Qt::CTRL | Qt::Key_U, kCmdUploadSidStar},
        {QKeyCombination(Qt::Key_F7), kCmdCreateAdventure},
        {Qt::CTRL | Qt::Key_Z, kCmdUndoLastSelection},
    };
    for (const Accelerator& a : accelerators) {
        ASSERT_NE(Command(a.id), nullptr) << a.id;
        EXPECT_TRUE(Command(a.id)->shortcuts().contains(QKeySequence(a.key))) << a.id;
    }
}

// The crash options are the wizard's emergency values: the frame's menu acts on them once
// the wizard exists.
class CrashMenuTest : public MainFrameTest {
protected:
    CrashMenuTest() {
        frame_.WizardBar().CreateSheets(database_, route_, [](const std::string&) { return false; });
    }

    platform::testing::TempEnvironment env_;
    platform::MessageBoxRecorder boxes_;
    NavDatabase database_{"C:\\Quillet\\"};
    Route route_{database_};
};

TEST_F(MainFrameTest, CrashCommandsWaitForTheWizard) {
    qtplatform::UpdateCommandUI(&frame_);
    for (int id : {kCmdIgnoreCrash, kCmdCrashDetectReset, kCmdStressDamage})
        EXPECT_FALSE(Command(id)->isEnabled()) << id;
    EXPECT_EQ(frame_.CrashValues(), nullptr);
}

TEST_F(CrashMenuTest, CrashFlagsAreDisabledWhileCrashesAreIgnoredButKeepTheirTicks) {
    const adf::EmergencyValues& values = *frame_.CrashValues();
    EXPECT_EQ(&values, &frame_.WizardBar().WizardSheet()->Values().emergency);
    const int flags[] = {kCmdStressDamage, kCmdOffRunwayCrash, kCmdCollideScenery};
    qtplatform::UpdateCommandUI(&frame_);                     // as each opening of the menu does
    EXPECT_TRUE(Command(kCmdCrashDetectReset)->isChecked());  // the wizard's defaults
    EXPECT_TRUE(Command(kCmdStressDamage)->isChecked());
    Command(kCmdCollideScenery)->trigger();
    qtplatform::UpdateCommandUI(&frame_);
    EXPECT_FALSE(Command(kCmdIgnoreCrash)->isChecked());
    for (int id : flags) EXPECT_TRUE(Command(id)->isEnabled()) << id;

    Command(kCmdIgnoreCrash)->trigger();
    qtplatform::UpdateCommandUI(&frame_);
    EXPECT_EQ(values.crashMode, adf::kIgnoreCrash);
    for (int id : flags) EXPECT_FALSE(Command(id)->isEnabled()) << id;
    EXPECT_TRUE(Command(kCmdStressDamage)->isChecked());
    EXPECT_FALSE(Command(kCmdOffRunwayCrash)->isChecked());
    EXPECT_TRUE(Command(kCmdCollideScenery)->isChecked());

    Command(kCmdCrashShowGraph)->trigger();
    qtplatform::UpdateCommandUI(&frame_);  // as each opening of the menu does
    Command(kCmdStressDamage)->trigger();  // flips back
    EXPECT_EQ(values.crashMode, adf::kDetectCrashAndShowGraph);
    EXPECT_EQ(values.stressDamage, 0);
    EXPECT_EQ(values.collideWithScenery, 1);
    EXPECT_EQ(frame_.CrashOptionsMenu()->actions().size(), 7);  // three modes, separator, three flags
}

// The editor is our program Quillet, found beside the planner; the frame keeps it to close
// it when it goes.
TEST_F(MainFrameTest, LaunchEditorStartsTheEditorOfTheSettings) {
    platform::testing::TempEnvironment env;
    platform::MessageBoxRecorder boxes;
    {
        platform::ProgramStartRecorder starts({platform::ProgramStartAnswer{false, 0}});
        Command(kCmdLaunchEditor)->trigger();
        Settings().WriteString(SettingId::Editor, "C:\\Nowhere\\Editor.exe");
        Command(kCmdLaunchEditor)->trigger();
        ASSERT_EQ(starts.requests().size(), 1u);
        EXPECT_EQ(starts.requests().front().program, "C:\\Quillet\\Quillet.exe");
        EXPECT_EQ(starts.requests().front().show, platform::ShowMode::Shown);
    }
    EXPECT_EQ(boxes.texts(), (std::vector<std::string>{platform::kStartFailedMessage, kEditorMissingMessage}));
}

TEST_F(MainFrameTest, PositionPanesFollowTheCursor) {
    auto* longitude = qtplatform::FindControl<QLabel>(&frame_, kPaneLongitude);
    auto* latitude = qtplatform::FindControl<QLabel>(&frame_, kPaneLatitude);
    ASSERT_NE(longitude, nullptr);
    ASSERT_NE(latitude, nullptr);
    EXPECT_EQ(longitude->text(), "W00\"00'00'");
    frame_.SetCursorPosition(2 * 3600 + 21 * 60, -90 * 3600);
    EXPECT_EQ(longitude->text(), "E02\"21'00'");
    EXPECT_EQ(latitude->text(), "*Out of Map*");
}

}  // namespace
}  // namespace trevalo
