// Windows, subclassing, timers and registered messages inside one process.
#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/message_loop.h"
#include "platform/timers.h"
#include "platform/windows.h"
#include "testing/temp_environment.h"

namespace platform {
namespace {

std::vector<std::string> g_calls;

LResult BaseProc(Hwnd window, unsigned message, WParam wParam, LParam lParam) {
    g_calls.push_back("base " + std::to_string(message));
    return message == WM_APP ? 10 : DefWindowProc(window, message, wParam, lParam);
}

WindowProc g_previous = nullptr;
LResult HookProc(Hwnd window, unsigned message, WParam wParam, LParam lParam) {
    g_calls.push_back("hook " + std::to_string(message));
    return CallWindowProc(g_previous, window, message, wParam, lParam) + 1;
}

class WindowLocalTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_calls.clear();
        ASSERT_TRUE(RegisterWindowClass({"LocalClass", BaseProc}));
    }
    void TearDown() override {
        for (const WindowInfo& info : EnumerateWindows()) DestroyWindow(info.window);
        UnregisterWindowClass("LocalClass");
    }
    testing::TempEnvironment env_;
};

TEST_F(WindowLocalTest, ClassesMustBeRegisteredOnceAndOutliveTheirWindows) {
    EXPECT_FALSE(RegisterWindowClass({"LocalClass", BaseProc}));
    EXPECT_FALSE(RegisterWindowClass({"", BaseProc}));
    EXPECT_FALSE(RegisterWindowClass({"NoProc", nullptr}));
    EXPECT_EQ(CreateWindow("Unknown", "x"), 0u);
    const Hwnd window = CreateWindow("LocalClass", "title");
    ASSERT_NE(window, 0u);
    EXPECT_FALSE(UnregisterWindowClass("LocalClass"));
    EXPECT_TRUE(DestroyWindow(window));
    EXPECT_EQ(g_calls, std::vector<std::string>{"base 2"});
    EXPECT_FALSE(DestroyWindow(window));
    EXPECT_EQ(FindWindow(std::string("LocalClass")), 0u);
}

TEST_F(WindowLocalTest, SubclassingChainsToThePreviousProcedureAndCanBeUndone) {
    const Hwnd window = CreateWindow("LocalClass", "title");
    g_previous = SetWindowProc(window, HookProc);
    EXPECT_EQ(g_previous, &BaseProc);
    EXPECT_EQ(GetWindowProc(window), &HookProc);
    EXPECT_EQ(SendMessage(window, WM_APP, 0, 0), 11);
    EXPECT_EQ(g_calls, (std::vector<std::string>{"hook 32768", "base 32768"}));
    EXPECT_EQ(SetWindowProc(window, g_previous), &HookProc);
    EXPECT_EQ(SendMessage(window, WM_APP, 0, 0), 10);
    EXPECT_EQ(SetWindowProc(0, HookProc), nullptr);
}

TEST_F(WindowLocalTest, ThreadTimerFiresUntilKilled) {
    static int ticks = 0;
    ticks = 0;
    const std::uintptr_t id = SetThreadTimer(10, [](Hwnd, unsigned message, std::uintptr_t, std::uint32_t) {
        EXPECT_EQ(message, WM_TIMER);
        ++ticks;
    });
    ASSERT_NE(id, 0u);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (ticks < 3 && std::chrono::steady_clock::now() < deadline) PumpMessages(50);
    EXPECT_GE(ticks, 3);
    EXPECT_TRUE(KillTimer(id));
    EXPECT_FALSE(KillTimer(id));
    const int after = ticks;
    PumpMessages(30);
    EXPECT_EQ(ticks, after);
    EXPECT_LT(NextTimerDelayMs(), 0);
}

TEST_F(WindowLocalTest, RegisteredMessageNumbersDependOnTheNameOnly) {
    const unsigned gauge = RegisterWindowMessage("FS_GAUGE_MSG");
    EXPECT_GE(gauge, 0xC000u);
    EXPECT_LE(gauge, 0xFFFFu);
    EXPECT_EQ(RegisterWindowMessage("fs_gauge_msg"), gauge);
    EXPECT_NE(RegisterWindowMessage("OTHER_MSG"), gauge);
}

TEST_F(WindowLocalTest, ActivationRequestArrivesAsWmActivate) {
    const Hwnd window = CreateWindow("LocalClass", "title");
    ASSERT_TRUE(BringWindowToFront(window));
    PumpMessages(0);
    EXPECT_EQ(g_calls, std::vector<std::string>{"base 6"});
    // Every window of the process at once.
    CreateWindow("LocalClass", "second");
    g_calls.clear();
    EXPECT_EQ(BringProcessWindowsToFront(::getpid()), 2);
    PumpMessages(0);
    EXPECT_EQ(g_calls, (std::vector<std::string>{"base 6", "base 6"}));
}

// Records left behind by an earlier process with this one's id (ids are reused) are stale: they go,
// and the windows this process has made are still listed, whatever order the folder gives.
TEST_F(WindowLocalTest, StaleRecordsWithThisProcessIdDoNotHideItsWindows) {
    const Hwnd window = CreateWindow("LocalClass", "title");
    ASSERT_NE(window, 0u);
    const std::filesystem::path folder = env_.settingsDir() / "windows";
    for (const char* name : {"0000000000000000.window", "ffffffffffffffff.window"}) {
        for (const char* start : {"1", "0"}) {
            std::ofstream(folder / name) << "e " << ::getpid() << ' ' << start << "\nStale\nstale\n";
            const std::vector<WindowInfo> windows = EnumerateWindows();
            ASSERT_EQ(windows.size(), 1u) << name << ' ' << start;
            EXPECT_EQ(windows[0].window, window);
            EXPECT_EQ(windows[0].title, "title");
            EXPECT_FALSE(std::filesystem::exists(folder / name));
        }
    }
}

}  // namespace
}  // namespace platform
