// The application's periphery as the user meets it: the version question at start-up,
// the database builder and the update program through the program-start seam.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <ctime>
#include <filesystem>

#include "map/nav_database.h"
#include "periphery/check_version_dlg.h"
#include "platform/companion_program.h"
#include "platform/message_box.h"
#include "platform/process.h"
#include "qtplatform/command_table.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/print_target.h"
#include "qtplatform/testing/qt_test.h"
#include "qtplatform/web_page.h"
#include "quiet_startup.h"
#include "shell/command_ids.h"
#include "shell/main_frame.h"
#include "shell/settings.h"
#include "shell/trevalo_app.h"
#include "testing/temp_environment.h"

namespace trevalo {
namespace {

constexpr std::time_t kDay = 86400;

class PeripheryCommandsTest : public ::testing::Test {
protected:
    PeripheryCommandsTest() {
        ResetLoadError();
        testing::QuietStartUp();
        WriteProgram("Fetchwell.exe");
    }
    // A stand-in program file in the base directory, found by the lookup before starting.
    void WriteProgram(const std::string& name) {
        const auto host = env_.writeFile("drive_c/Quillet/" + name, "#!/bin/sh\n");
        std::filesystem::permissions(host, std::filesystem::perms::owner_exec, std::filesystem::perm_options::add);
    }
    ~PeripheryCommandsTest() override { ResetLoadError(); }

    void Start(std::time_t now) {
        app_.SetClock([now] { return now; });
        ASSERT_TRUE(app_.InitInstance());
        boxes_.clear();
    }
    void Trigger(int id) {
        QAction* action = qtplatform::FindCommand(app_.MainFrame(), id);
        ASSERT_NE(action, nullptr) << id;
        ASSERT_TRUE(action->isEnabled()) << id;
        action->trigger();
    }

    platform::testing::TempEnvironment env_;
    platform::MessageBoxRecorder boxes_;
    Settings settings_;
    CTrevaloApp app_;
};

TEST_F(PeripheryCommandsTest, TheVersionQuestionComesOnceItsDaysHavePassed) {
    std::tm last{};
    last.tm_year = 2024 - 1900;
    last.tm_mon = 0;
    last.tm_mday = 1;
    last.tm_isdst = -1;
    const std::time_t lastCheck = std::mktime(&last);
    settings_.WriteInt(SettingId::Year, 2024);
    settings_.WriteInt(SettingId::Month, 1);
    settings_.WriteInt(SettingId::Day, 1);
    settings_.WriteInt(SettingId::Check, 1);
    settings_.WriteInt(SettingId::CheckDay, 60);

    std::string question;
    qtplatform::testing::WhenModalShown([&question](QWidget* modal) {
        question = qtplatform::FindControl<QLabel>(modal, CCheckVersionDlg::kQuestion)->text().toStdString();
        qtplatform::FindControl<QCheckBox>(modal, CCheckVersionDlg::kDontCheck)->click();
        qobject_cast<QDialog*>(modal)->accept();  // "&Check"
    });
    platform::ProgramStartRecorder starts;
    Start(lastCheck + 61 * kDay);
    EXPECT_EQ(question, "Your current version is over 60 days old.\nWould you like to check for a new version?\n");
    const std::vector<platform::ProgramStart> requests = starts.requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].arguments, "/UPDATE_REQUEST");
    EXPECT_EQ(requests[0].show, platform::ShowMode::Hidden);
    EXPECT_EQ(settings_.ReadInt(SettingId::Check), 0);
    EXPECT_EQ(settings_.ReadInt(SettingId::Month), 3);
    EXPECT_EQ(settings_.ReadInt(SettingId::Day), 2);
    app_.ExitInstance(0);
}

TEST_F(PeripheryCommandsTest, NoQuestionBeforeTheDaysHavePassed) {
    settings_.WriteInt(SettingId::Year, 2024);
    settings_.WriteInt(SettingId::Month, 1);
    settings_.WriteInt(SettingId::Day, 1);
    settings_.WriteInt(SettingId::Check, 1);
    std::tm now{};
    now.tm_year = 2024 - 1900;
    now.tm_mday = 30;
    now.tm_hour = 23;
    now.tm_isdst = -1;
    Start(std::mktime(&now));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(settings_.ReadInt(SettingId::Day), 1);
    app_.ExitInstance(0);
}

TEST_F(PeripheryCommandsTest, CreateDatabaseStartsTheBuilderFromTheBaseDirectory) {
    Start(std::time(nullptr));
    // Our builder, once built beside the tests, stands for a missing one in the base directory.
    if (!platform::ResolveProgram("C:\\Quillet\\Gathrel.exe")) {
        Trigger(kCmdCreateDatabase);
        ASSERT_EQ(boxes_.shown().size(), 1u);
        EXPECT_EQ(boxes_.shown()[0].text, kBuilderMissingMessage);
        EXPECT_EQ(boxes_.shown()[0].caption, kBuilderMissingCaption);
    }

    WriteProgram("Gathrel.exe");
    boxes_.clear();
    platform::ProgramStartRecorder starts(
        std::vector<platform::ProgramStartAnswer>{{.started = false}, {.started = true, .exitCode = 127}, {}});
    Trigger(kCmdCreateDatabase);
    Trigger(kCmdCreateDatabase);  // started, but its libraries are missing
    EXPECT_EQ(boxes_.texts(), (std::vector<std::string>{platform::kStartFailedMessage, kBuilderLibrariesMessage}));
    boxes_.clear();
    Trigger(kCmdCreateDatabase);
    EXPECT_TRUE(boxes_.texts().empty());
    const std::vector<platform::ProgramStart> requests = starts.requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[2].program, "C:\\Quillet\\Gathrel.exe");
    EXPECT_EQ(requests[2].arguments, "");
    EXPECT_EQ(requests[2].workingFolder, "C:\\Quillet\\");
    EXPECT_EQ(requests[2].show, platform::ShowMode::Shown);
    app_.ExitInstance(0);
}

TEST_F(PeripheryCommandsTest, DownloadLatestAndCheckNewVersionRunTheUpdateProgram) {
    Start(std::time(nullptr));
    platform::ProgramStartRecorder starts;
    Trigger(kCmdDownloadLatest);
    Trigger(kCmdCheckNewVersion);
    const std::vector<platform::ProgramStart> requests = starts.requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].program, "C:\\Quillet\\Fetchwell.exe");
    EXPECT_EQ(requests[0].arguments, "");
    EXPECT_EQ(requests[1].arguments, "/UPDATE_REQUEST");
    EXPECT_TRUE(boxes_.texts().empty());
    app_.ExitInstance(0);
}

TEST_F(PeripheryCommandsTest, PrintAndPreviewGoThroughThePrintSeam) {
    Start(std::time(nullptr));
    qtplatform::PrintRecorder printed({true, false});
    Trigger(kCmdFilePrint);
    Trigger(kCmdFilePrintPreview);
    ASSERT_EQ(printed.jobs().size(), 2u);
    EXPECT_EQ(printed.jobs()[0].request.target, qtplatform::PrintTarget::Printer);
    EXPECT_EQ(printed.jobs()[1].request.target, qtplatform::PrintTarget::Preview);
    // An empty route: the flight-plan page alone.
    EXPECT_EQ(printed.jobs()[0].pageCount, 1);
    EXPECT_EQ(printed.jobs()[0].pages.size(), 1u);
    app_.ExitInstance(0);
}

// Without a browser the user is told which page did not open.
TEST_F(PeripheryCommandsTest, HomeOpensThePageOrSaysItCouldNot) {
    Start(std::time(nullptr));
    qtplatform::WebPageRecorder pages({true, false});
    Trigger(kCmdHome);
    EXPECT_TRUE(boxes_.texts().empty());
    Trigger(kCmdHome);
    EXPECT_EQ(pages.requests(), (std::vector<std::string>(2, "http://www.quillet-applications.example/")));
    EXPECT_EQ(boxes_.texts(), std::vector<std::string>{"The page http://www.quillet-applications.example/ could not be "
                                                       "opened.\nPlease make sure that a web browser is installed."});
    app_.ExitInstance(0);
}

}  // namespace
}  // namespace trevalo
