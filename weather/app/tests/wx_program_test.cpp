// Wx as the planner's weather page runs it: started with "l:" and the quoted path of the
// weather file, found by its main window's class, and closed with WM_CLOSE.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <functional>
#include <thread>

#include "fsinstall/installation.h"
#include "platform/files.h"
#include "platform/process.h"
#include "platform/windows.h"
#include "testing/temp_environment.h"
#include "wx/wx_codec.h"
#include "wx/wx_records.h"
#include "wx_test_bytes.h"
#include "wxapp/wx_app.h"

namespace wxapp {
namespace {

using Clock = std::chrono::steady_clock;

bool WaitUntil(const std::function<bool()>& done) {
    const auto deadline = Clock::now() + std::chrono::seconds(20);
    while (!done()) {
        if (Clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

constexpr const char* kWeatherFile = "C:\\My Weather\\AdvWx.wx";

class WxProgramTest : public ::testing::Test {
protected:
    WxProgramTest() {
        fsinstall::InstallationOptions simulator;
        simulator.folder = "C:\\Sim\\";
        EXPECT_TRUE(fsinstall::WriteInstallation(simulator, {}));
        env_.writeFile("drive_c/Quillet/AdvWx.rul", "[winds]\r\nmax=4\r\n");
        EXPECT_TRUE(platform::CreateDirectory("C:\\My Weather"));
    }
    ~WxProgramTest() override {
        if (wx_.IsRunning()) ::kill(wx_.Id(), SIGKILL);
    }

    // Starts Wx as the weather page does and waits for its main window.
    void StartAndClose() {
        ASSERT_TRUE(wx_.Start("C:\\Quillet\\Wx.exe", std::string("\"l:") + kWeatherFile + "\"", {},
                              platform::ShowMode::Hidden));
        ASSERT_TRUE(WaitUntil([] { return platform::FindWindow(std::string(kMainWindowClass)) != 0; }));
        EXPECT_EQ(platform::PostMessageToProcessWindows(wx_.Id(), platform::WM_CLOSE, 0, 0), 1);
        ASSERT_TRUE(wx_.Wait(20000));
        EXPECT_EQ(wx_.ExitCode(), 0);
        EXPECT_EQ(platform::FindWindow(std::string(kMainWindowClass)), 0u);
    }
    std::string Weather() const {
        std::string bytes;
        EXPECT_TRUE(platform::ReadFileBytes(kWeatherFile, bytes));
        return bytes;
    }

    platform::testing::TempEnvironment env_;
    platform::Process wx_;
};

TEST_F(WxProgramTest, MakesTheNamedFileAndClosesWhenAsked) {
    StartAndClose();
    const wx::WxBytes global = wx::EncodeRecord(wx::NewRecord(-1));
    EXPECT_EQ(Weather(), std::string(reinterpret_cast<const char*>(global.data()), global.size()));
}

TEST_F(WxProgramTest, ASecondSessionKeepsTheWeatherOfTheFirst) {
    const wx::testing::Bytes twoRecords =
        wx::testing::Concat({wx::testing::NewRecordBytes(-1), wx::testing::NewRecordBytes(0)});
    const std::string bytes(reinterpret_cast<const char*>(twoRecords.data()), twoRecords.size());
    env_.writeFile("drive_c/My Weather/AdvWx.wx", bytes);
    StartAndClose();
    EXPECT_EQ(Weather(), bytes);
}

}  // namespace
}  // namespace wxapp
