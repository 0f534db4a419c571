// Messages between processes: each case starts platform_window_child.
#include <gtest/gtest.h>
#include <signal.h>

#include <array>
#include <chrono>
#include <thread>

#include "platform/companion_program.h"
#include "platform/message_box.h"
#include "platform/message_loop.h"
#include "platform/process.h"
#include "platform/windows.h"
#include "testing/temp_environment.h"
#include "window_child_messages.h"

namespace platform {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kStartTimeout = std::chrono::seconds(20);

// The child window program, killed at the end of the test whatever happened.
class WindowChild {
public:
    explicit WindowChild(const std::string& className) : className_(className) {
        started_ = process_.Start("platform_window_child.exe", className, {}, ShowMode::Hidden);
    }
    ~WindowChild() {
        if (process_.IsRunning()) ::kill(process_.Id(), SIGKILL);
        process_.Wait();
    }
    // Waits until the child's window is registered.
    Hwnd Window() {
        const auto deadline = Clock::now() + kStartTimeout;
        while (started_ && Clock::now() < deadline) {
            if (Hwnd found = FindWindow(className_)) return found;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return 0;
    }
    Process& process() { return process_; }

private:
    std::string className_;
    Process process_;
    bool started_ = false;
};

class WindowMessagesTest : public ::testing::Test {
protected:
    testing::TempEnvironment env_;
};

TEST_F(WindowMessagesTest, FindsTheChildWindowByClassAndTitle) {
    WindowChild child("ChildClass");
    const Hwnd window = child.Window();
    ASSERT_NE(window, 0u);
    EXPECT_EQ(WindowProcessId(window), child.process().Id());
    EXPECT_EQ(FindWindow(std::nullopt, std::string("child")), window);
    EXPECT_EQ(FindWindow(std::string("ChildClass"), std::string("other")), 0u);
    EXPECT_EQ(FindWindow(std::string("OtherClass")), 0u);
    const std::vector<WindowInfo> windows = EnumerateWindows();
    ASSERT_EQ(windows.size(), 1u);
    EXPECT_EQ(windows[0].processId, child.process().Id());
    EXPECT_EQ(windows[0].className, "ChildClass");
}

TEST_F(WindowMessagesTest, SendsAndAnswersAcrossProcesses) {
    WindowChild child("ChildClass");
    const Hwnd window = child.Window();
    ASSERT_NE(window, 0u);
    EXPECT_EQ(SendMessage(window, window_child::kAddMessage, 40, 2), 42);
    EXPECT_EQ(SendMessageTimeout(window, window_child::kAddMessage, 1, -3, 5000), -2);
    const std::array<std::byte, 16> bytes{std::byte{1}, std::byte{2}, std::byte{250}};
    EXPECT_EQ(SendCopyData(window, 0, 1000, bytes, 5000), 1000 + 1 + 2 + 250);
    EXPECT_EQ(SendCopyData(window, 0, 7, {}, 5000), 7);
}

TEST_F(WindowMessagesTest, TimesOutOnAHungReceiverAndRecovers) {
    WindowChild child("ChildClass");
    const Hwnd window = child.Window();
    ASSERT_NE(window, 0u);
    const auto start = Clock::now();
    EXPECT_FALSE(SendMessageTimeout(window, window_child::kHangMessage, 0, 1500, 300));
    const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
    EXPECT_GE(waited, 250);
    EXPECT_LT(waited, 1400);
    // Given up on while the receiver still hangs: never carried out.
    EXPECT_FALSE(SendMessageTimeout(window, window_child::kHangMessage, 0, 1500, 300));
    // Once the receiver answers again, a new send gets its own answer, not the late one.
    EXPECT_EQ(SendMessageTimeout(window, window_child::kAddMessage, 2, 3, 20000), 5);
    EXPECT_EQ(SendMessageTimeout(window, window_child::kHangCountMessage, 0, 0, 20000), 1);
}

TEST_F(WindowMessagesTest, ACompanionThatRunsIsBroughtToTheFrontAndNotStartedAgain) {
    WindowChild child("ChildClass");
    ASSERT_NE(child.Window(), 0u);
    const pid_t running = child.process().Id();
    ProgramStartRecorder starts;
    MessageBoxRecorder boxes;
    EXPECT_TRUE(StartOrBringToFront(child.process(), "platform_window_child.exe", "missing"));
    EXPECT_EQ(child.process().Id(), running);
    EXPECT_TRUE(starts.requests().empty());
    EXPECT_TRUE(boxes.texts().empty());
}

TEST_F(WindowMessagesTest, PostedCloseEndsTheChildAndItsRecordGoes) {
    WindowChild child("ChildClass");
    const Hwnd window = child.Window();
    ASSERT_NE(window, 0u);
    EXPECT_EQ(PostMessageToProcessWindows(child.process().Id(), WM_CLOSE, 0, 0), 1);
    ASSERT_TRUE(child.process().Wait(20000));
    EXPECT_EQ(child.process().ExitCode(), 0);
    EXPECT_EQ(FindWindow(std::string("ChildClass")), 0u);
    EXPECT_FALSE(SendMessageTimeout(window, window_child::kAddMessage, 1, 1, 1000));
    EXPECT_FALSE(PostMessage(window, WM_CLOSE, 0, 0));
}

TEST_F(WindowMessagesTest, RecordsOfAKilledProcessAreSkippedAndRemoved) {
    WindowChild child("ChildClass");
    ASSERT_NE(child.Window(), 0u);
    ::kill(child.process().Id(), SIGKILL);
    ASSERT_TRUE(child.process().Wait(20000));
    EXPECT_TRUE(EnumerateWindows().empty());
    EXPECT_TRUE(std::filesystem::is_empty(env_.settingsDir() / "windows"));
}

TEST_F(WindowMessagesTest, WindowsOfThisProcessAreReachedDirectly) {
    static int closes = 0;
    RegisterWindowClass({"LocalEcho", [](Hwnd window, unsigned message, WParam wParam, LParam lParam) -> LResult {
                             if (message == WM_CLOSE) ++closes;
                             if (message == WM_COPYDATA) return reinterpret_cast<const CopyDataStruct*>(lParam)->cbData;
                             return DefWindowProc(window, message, wParam, lParam);
                         }});
    const Hwnd window = CreateWindow("LocalEcho", "local");
    ASSERT_NE(window, 0u);
    const std::array<std::byte, 16> bytes{};
    EXPECT_EQ(SendCopyData(window, 0, 0, bytes, 0), 16);
    ASSERT_TRUE(PostMessage(window, WM_CLOSE, 0, 0));
    EXPECT_TRUE(IsLocalWindow(window));  // posted: not handled before the loop runs
    PumpMessages(0);
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(IsLocalWindow(window));
    EXPECT_TRUE(UnregisterWindowClass("LocalEcho"));
}

}  // namespace
}  // namespace platform
