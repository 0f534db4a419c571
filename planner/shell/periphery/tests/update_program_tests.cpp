#include "periphery/update_program.h"

#include <gtest/gtest.h>

#include <QTimer>
#include <cstdlib>
#include <filesystem>

#include "platform/companion_program.h"
#include "platform/message_box.h"
#include "platform/process.h"
#include "qtplatform/testing/qt_test.h"
#include "shell/settings.h"
#include "testing/temp_environment.h"

namespace trevalo {
namespace {

class UpdateProgramTest : public ::testing::Test {
protected:
    UpdateProgramTest() { setenv("FETCHWELL_LOG", LogPath().c_str(), 1); }
    ~UpdateProgramTest() override {
        unsetenv("FETCHWELL_LOG");
        unsetenv("FETCHWELL_SECONDS");
    }
    std::string LogPath() const { return (env_.root() / "fetchwell.log").string(); }
    std::string Log() const { return std::filesystem::exists(LogPath()) ? env_.readFile(LogPath()) : ""; }

    platform::testing::TempEnvironment env_;
    platform::MessageBoxRecorder boxes_;
    Settings settings_;
};

TEST_F(UpdateProgramTest, RunsHiddenFromItsFolderWithTheArguments) {
    env_.writeFile("drive_c/Quillet/Fetchwell.exe", "");
    platform::ProgramStartRecorder starts;
    EXPECT_TRUE(RunUpdateProgram(kUpdateRequestArgument, true));
    const std::vector<platform::ProgramStart> requests = starts.requests();
    ASSERT_EQ(requests.size(), 1u);
    const platform::ProgramStart& start = requests[0];
    EXPECT_EQ(start.program, "C:\\Quillet\\Fetchwell.exe");
    EXPECT_EQ(start.arguments, "/UPDATE_REQUEST");
    EXPECT_EQ(start.workingFolder, "C:\\Quillet\\");
    EXPECT_EQ(start.show, platform::ShowMode::Hidden);
}

TEST_F(UpdateProgramTest, MissingOrFailingProgramsAreReported) {
    settings_.WriteString(SettingId::Ftp, "C:\\Quillet\\NoSuchUpdater.exe");
    EXPECT_FALSE(RunUpdateProgram({}, false));
    settings_.WriteString(SettingId::Ftp, "C:\\Quillet\\Fetchwell.exe");
    platform::ProgramStartRecorder starts(std::vector<platform::ProgramStartAnswer>{{.started = false}});
    EXPECT_FALSE(RunUpdateProgram({}, false));
    EXPECT_EQ(boxes_.texts(), (std::vector<std::string>{kFtpMissingMessage, platform::kStartFailedMessage}));
}

TEST_F(UpdateProgramTest, ThePlannerKeepsPaintingWhileItWaits) {
    setenv("FETCHWELL_SECONDS", "0.4", 1);
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    timer.start(20);
    EXPECT_TRUE(RunUpdateProgram({}, true));
    EXPECT_EQ(Log(), "(none)\ndone\n");
    EXPECT_GT(ticks, 5);
    EXPECT_TRUE(boxes_.texts().empty());
}

TEST_F(UpdateProgramTest, AfterALongWaitTheUserMayStopWaitingAndTheProgramGoesOn) {
    setenv("FETCHWELL_SECONDS", "1.5", 1);
    platform::MessageBoxRecorder answers({platform::MbResult::No, platform::MbResult::Yes});
    EXPECT_FALSE(RunUpdateProgram(kUpdateRequestArgument, true, {.pollMs = 20, .askAfterMs = 300}));
    EXPECT_EQ(answers.texts(), (std::vector<std::string>{kStopWaitingQuestion, kStopWaitingQuestion}));
    EXPECT_EQ(Log(), "/UPDATE_REQUEST\n");
    EXPECT_TRUE(qtplatform::testing::ProcessEventsUntil([this] { return Log() == "/UPDATE_REQUEST\ndone\n"; }, 10000));
}

}  // namespace
}  // namespace trevalo
