// Closing a started program end to end: the child is a Qt program whose main window is
// registered through the window adapter.
#include "program_closing.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <cerrno>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <thread>

#include "platform/windows.h"
#include "qt_window_child.h"
#include "testing/temp_environment.h"

namespace trevalo {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kPatience = std::chrono::seconds(20);
constexpr auto kSettleTime = std::chrono::milliseconds(200);
constexpr const char* kChildClass = "CompanionMainFrame";

bool WaitUntil(const std::function<bool()>& done) {
    const auto deadline = Clock::now() + kPatience;
    while (!done()) {
        if (Clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

bool ProcessGone(pid_t id) { return ::kill(id, 0) != 0 && errno == ESRCH; }

class ProgramClosingTest : public ::testing::Test {
protected:
    ~ProgramClosingTest() override {
        if (childId_ > 0 && !ProcessGone(childId_)) ::kill(childId_, SIGKILL);
    }

    // Starts the child and waits until its main window is registered.
    ::testing::AssertionResult StartChild(bool refusesClose) {
        const std::string arguments =
            std::string(kChildClass) + (refusesClose ? std::string(" ") + qt_window_child::kRefuseCloseOption : "");
        if (!child_.Start(qt_window_child::kProgram, arguments, {}, platform::ShowMode::Hidden))
            return ::testing::AssertionFailure() << "the child did not start";
        childId_ = child_.Id();
        if (!WaitUntil([] { return platform::FindWindow(std::string(kChildClass)) != 0; }))
            return ::testing::AssertionFailure() << "the child's main window did not appear";
        return ::testing::AssertionSuccess();
    }

    static std::optional<platform::LResult> CloseRequests() {
        const platform::Hwnd probe =
            platform::FindWindow(std::string(kChildClass) + qt_window_child::kProbeClassSuffix);
        return platform::SendMessageTimeout(probe, qt_window_child::kCloseRequestsMessage, 0, 0, 5000);
    }

    platform::testing::TempEnvironment env_;
    platform::Process child_;
    pid_t childId_ = -1;
};

TEST_F(ProgramClosingTest, ARunningProgramIsClosedAndLetGo) {
    ASSERT_TRUE(StartChild(false));
    CloseStartedProgram(child_);
    EXPECT_EQ(child_.Id(), -1);
    EXPECT_TRUE(WaitUntil([this] { return ProcessGone(childId_); }));
    EXPECT_TRUE(platform::EnumerateWindows().empty());
}

// As when the user cancels the program's save question: it keeps running.
TEST_F(ProgramClosingTest, AProgramThatRefusesTheCloseKeepsRunning) {
    ASSERT_TRUE(StartChild(true));
    CloseStartedProgram(child_);
    EXPECT_TRUE(WaitUntil([] { return CloseRequests() == 1; }));
    // A program that had accepted would have ended meanwhile, probe and all.
    std::this_thread::sleep_for(kSettleTime);
    EXPECT_EQ(CloseRequests(), 1);
    EXPECT_NE(platform::FindWindow(std::string(kChildClass)), 0u);
    EXPECT_FALSE(ProcessGone(childId_));
}

}  // namespace
}  // namespace trevalo
