// Windows of our own: classes with window procedures, windows registered per user so
// that other processes find them by class or title, and messages sent or posted to a
// window of any process.
//
// A process's windows are served on the thread that runs its message loop
// (message_loop.h), one message at a time. Window records live in a per-user folder
// (QUILLET_WINDOWS_DIR, else QUILLET_SETTINGS_DIR/windows, else
// $XDG_RUNTIME_DIR/quillet-windows, else the settings folder's "windows"); records of
// processes that have died are skipped and removed when windows are listed.
#pragma once

#include <sys/types.h>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/export.h"
#include "platform/window_types.h"

namespace platform {

struct WindowClass {
    std::string name;
    WindowProc procedure = nullptr;
};

struct WindowInfo {
    Hwnd window = 0;
    pid_t processId = 0;
    std::string className;
    std::string title;
};

// False when the name is empty, the procedure missing or the class already registered.
PLATFORM_API bool RegisterWindowClass(const WindowClass& windowClass);
// False when the class is not registered or a window of it still exists.
PLATFORM_API bool UnregisterWindowClass(const std::string& className);

// A top-level window of a registered class of this process; 0 when the class is unknown.
PLATFORM_API Hwnd CreateWindow(const std::string& className, const std::string& title);
// Calls the procedure with WM_DESTROY, destroys the window's menu and drops its record.
PLATFORM_API bool DestroyWindow(Hwnd window);
// A window of this process that has not been destroyed.
PLATFORM_API bool IsLocalWindow(Hwnd window);

// Replaces the window procedure of a window of this process; returns the previous one
// (nullptr when the window is unknown).
PLATFORM_API WindowProc SetWindowProc(Hwnd window, WindowProc procedure);
PLATFORM_API WindowProc GetWindowProc(Hwnd window);
PLATFORM_API LResult CallWindowProc(WindowProc procedure, Hwnd window, unsigned message, WParam wParam, LParam lParam);
// Default handling: WM_CLOSE destroys the window; everything else answers 0.
PLATFORM_API LResult DefWindowProc(Hwnd window, unsigned message, WParam wParam, LParam lParam);

// Live top-level windows of every process of this user, in no particular order.
PLATFORM_API std::vector<WindowInfo> EnumerateWindows();
// The first window whose class and title match the given ones (nullopt matches any).
PLATFORM_API Hwnd FindWindow(const std::optional<std::string>& className,
                             const std::optional<std::string>& title = std::nullopt);

// Sends a message and waits for the answer: at most timeoutMs milliseconds, or without
// limit when timeoutMs is negative. nullopt when the window does not exist, the send
// fails or the time runs out. A message to another process that the receiver had not
// begun to handle when the sender gave up is dropped, not handled late. lParam crosses
// processes as a plain number.
PLATFORM_API std::optional<LResult> SendMessageTimeout(Hwnd window, unsigned message, WParam wParam, LParam lParam,
                                                       int timeoutMs);
PLATFORM_API LResult SendMessage(Hwnd window, unsigned message, WParam wParam, LParam lParam);
// Sends WM_COPYDATA (wParam = sender) carrying the bytes by value.
PLATFORM_API std::optional<LResult> SendCopyData(Hwnd window, Hwnd sender, std::uintptr_t dataWord,
                                                 std::span<const std::byte> bytes, int timeoutMs);
// Queues a message for the window's message loop and returns at once.
PLATFORM_API bool PostMessage(Hwnd window, unsigned message, WParam wParam, LParam lParam);
// Posts the message to every top-level window of a process; the number of windows.
PLATFORM_API int PostMessageToProcessWindows(pid_t processId, unsigned message, WParam wParam, LParam lParam);
// Asks the window to come to the front (it receives WM_ACTIVATE with WA_ACTIVE).
PLATFORM_API bool BringWindowToFront(Hwnd window);
// Asks every top-level window of a process to come to the front; the number of windows.
PLATFORM_API int BringProcessWindowsToFront(pid_t processId);

}  // namespace platform
