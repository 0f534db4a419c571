#include "platform/windows.h"

#include <unistd.h>

#include <map>
#include <mutex>

#include "platform/menus.h"
#include "window_dispatch.h"
#include "window_registry.h"
#include "window_table.h"

namespace platform {
namespace {

struct LocalWindow {
    std::string className;
    std::string title;
    WindowProc procedure = nullptr;
    Hmenu menu = 0;
};

struct WindowTable {
    std::mutex mutex;
    std::map<std::string, WindowClass> classes;
    std::map<Hwnd, LocalWindow> windows;
    std::uint32_t lastSerial = 0;
};

WindowTable& Table() {
    static WindowTable table;
    return table;
}

Hwnd NewHandle(WindowTable& table) { return (static_cast<Hwnd>(::getpid()) << 32) | ++table.lastSerial; }

}  // namespace

namespace detail {

std::optional<LResult> DispatchToLocalWindow(Hwnd window, unsigned message, WParam wParam, LParam lParam) {
    WindowProc procedure = GetWindowProc(window);
    if (procedure == nullptr) return std::nullopt;
    // Called without the lock: procedures create, destroy and subclass windows.
    return procedure(window, message, wParam, lParam);
}

bool WindowMenu(Hwnd window, Hmenu& menu) {
    WindowTable& table = Table();
    std::lock_guard lock(table.mutex);
    auto found = table.windows.find(window);
    if (found == table.windows.end()) return false;
    menu = found->second.menu;
    return true;
}

bool SetWindowMenu(Hwnd window, Hmenu menu, Hmenu& previous) {
    WindowTable& table = Table();
    std::lock_guard lock(table.mutex);
    auto found = table.windows.find(window);
    if (found == table.windows.end()) return false;
    previous = found->second.menu;
    found->second.menu = menu;
    return true;
}

}  // namespace detail

bool RegisterWindowClass(const WindowClass& windowClass) {
    if (windowClass.name.empty() || windowClass.procedure == nullptr) return false;
    WindowTable& table = Table();
    std::lock_guard lock(table.mutex);
    return table.classes.emplace(windowClass.name, windowClass).second;
}

bool UnregisterWindowClass(const std::string& className) {
    WindowTable& table = Table();
    std::lock_guard lock(table.mutex);
    for (const auto& [handle, window] : table.windows) {
        if (window.className == className) return false;
    }
    return table.classes.erase(className) == 1;
}

Hwnd CreateWindow(const std::string& className, const std::string& title) {
    if (className.find('\n') != std::string::npos || title.find('\n') != std::string::npos) return 0;
    if (!detail::StartMessageServer()) return 0;
    WindowTable& table = Table();
    Hwnd handle = 0;
    {
        std::lock_guard lock(table.mutex);
        auto windowClass = table.classes.find(className);
        if (windowClass == table.classes.end()) return 0;
        handle = NewHandle(table);
        table.windows.emplace(handle, LocalWindow{className, title, windowClass->second.procedure, 0});
    }
    const detail::WindowRecord record{handle, ::getpid(), detail::ProcessStartTime(::getpid()), className, title};
    if (!detail::WriteWindowRecord(record)) {
        std::lock_guard lock(table.mutex);
        table.windows.erase(handle);
        return 0;
    }
    return handle;
}

bool DestroyWindow(Hwnd window) {
    if (!IsLocalWindow(window)) return false;
    detail::DispatchToLocalWindow(window, WM_DESTROY, 0, 0);
    detail::RemoveWindowRecord(window);
    Hmenu menu = 0;
    {
        WindowTable& table = Table();
        std::lock_guard lock(table.mutex);
        auto found = table.windows.find(window);
        if (found == table.windows.end()) return false;
        menu = found->second.menu;
        table.windows.erase(found);
    }
    if (menu != 0) DestroyMenu(menu);
    return true;
}

bool IsLocalWindow(Hwnd window) {
    WindowTable& table = Table();
    std::lock_guard lock(table.mutex);
    return table.windows.count(window) == 1;
}

WindowProc SetWindowProc(Hwnd window, WindowProc procedure) {
    if (procedure == nullptr) return nullptr;
    WindowTable& table = Table();
    std::lock_guard lock(table.mutex);
    auto found = table.windows.find(window);
    if (found == table.windows.end()) return nullptr;
    WindowProc previous = found->second.procedure;
    found->second.procedure = procedure;
    return previous;
}

WindowProc GetWindowProc(Hwnd window) {
    WindowTable& table = Table();
    std::lock_guard lock(table.mutex);
    auto found = table.windows.find(window);
    return found == table.windows.end() ? nullptr : found->second.procedure;
}

LResult CallWindowProc(WindowProc procedure, Hwnd window, unsigned message, WParam wParam, LParam lParam) {
    return procedure == nullptr ? 0 : procedure(window, message, wParam, lParam);
}

LResult DefWindowProc(Hwnd window, unsigned message, WParam, LParam) {
    if (message == WM_CLOSE) DestroyWindow(window);
    return 0;
}

std::vector<WindowInfo> EnumerateWindows() {
    std::vector<WindowInfo> windows;
    for (detail::WindowRecord& record : detail::LiveWindowRecords()) {
        // A record this process left behind for a window it has destroyed since is skipped.
        if (record.processId == ::getpid() && !IsLocalWindow(record.window)) continue;
        windows.push_back({record.window, record.processId, std::move(record.className), std::move(record.title)});
    }
    return windows;
}

Hwnd FindWindow(const std::optional<std::string>& className, const std::optional<std::string>& title) {
    for (const WindowInfo& info : EnumerateWindows()) {
        if (className && info.className != *className) continue;
        if (title && info.title != *title) continue;
        return info.window;
    }
    return 0;
}

int PostMessageToProcessWindows(pid_t processId, unsigned message, WParam wParam, LParam lParam) {
    int count = 0;
    for (const WindowInfo& info : EnumerateWindows()) {
        if (info.processId == processId && PostMessage(info.window, message, wParam, lParam)) ++count;
    }
    return count;
}

bool BringWindowToFront(Hwnd window) { return PostMessage(window, WM_ACTIVATE, WA_ACTIVE, 0); }

int BringProcessWindowsToFront(pid_t processId) {
    return PostMessageToProcessWindows(processId, WM_ACTIVATE, WA_ACTIVE, 0);
}

}  // namespace platform
