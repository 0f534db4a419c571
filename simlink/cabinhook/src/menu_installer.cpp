#include "menu_installer.h"

#include <string>

#include "hook_state.h"
#include "main_window_hook.h"
#include "platform/menus.h"
#include "platform/timers.h"
#include "simlinker/link_protocol.h"

namespace cabinhook {
namespace {

// A bar this short is not the simulator's full menu bar yet.
constexpr int kFewestBarItems = 6;

// Position of the last item with the id, searching from the end; -1 when none.
int FindFromLast(platform::Hmenu menu, unsigned id) {
    for (int position = platform::GetMenuItemCount(menu) - 1; position >= 0; --position) {
        if (platform::GetMenuItemID(menu, static_cast<unsigned>(position)) == static_cast<int>(id)) return position;
    }
    return -1;
}

// The menu-ready flag is down while menu work is in hand, and up again however it ends.
class MenuWork {
public:
    MenuWork() { State().menuReady = false; }
    ~MenuWork() { State().menuReady = true; }
    MenuWork(const MenuWork&) = delete;
    MenuWork& operator=(const MenuWork&) = delete;
};

platform::Hmenu EnsureModulesMenu(platform::Hwnd window, platform::Hmenu bar, unsigned modulesState) {
    const int existing = FindFromLast(bar, kModulesMenuId);
    if (existing >= 0) return platform::GetSubMenu(bar, static_cast<unsigned>(existing));
    const platform::Hmenu modules = platform::CreatePopupMenu();
    const int count = platform::GetMenuItemCount(bar);
    platform::InsertMenuItem(bar, static_cast<unsigned>(count), {kModulesMenuId, "&Modules", modulesState, modules});
    const int state = platform::GetMenuState(bar, kModulesMenuId, platform::MenuLookup::ByCommand);
    if (state >= 0 && (state & (platform::MF_GRAYED | platform::MF_DISABLED)) != 0) platform::DrawMenuBar(window);
    return modules;
}

void EnsureOwnMenu(platform::Hmenu bar, platform::Hmenu modules) {
    HookState& state = State();
    const int own = FindFromLast(modules, kOwnMenuId);
    if (own >= 0) {
        state.ownMenu = platform::GetSubMenu(modules, static_cast<unsigned>(own));
        if (FindFromLast(state.ownMenu, kOwnCommandId) < 0)
            platform::AppendMenu(state.ownMenu, {kOwnCommandId, "&Main Map..."});
        return;
    }
    if (const auto elsewhere = platform::FindMenuItem(bar, kOwnMenuId)) {
        state.ownMenu = elsewhere->popup;
    } else {
        state.ownMenu = platform::CreatePopupMenu();
        platform::InsertMenuItem(modules, 0, {kOwnMenuId, "&Trevalo", platform::MF_ENABLED, state.ownMenu});
    }
    platform::AppendMenu(state.ownMenu, {kOwnCommandId, "&About Trevalo"});
}

}  // namespace

void InstallMenu(platform::Hwnd window, unsigned modulesState) {
    HookState& state = State();
    const platform::Hmenu bar = platform::GetMenu(window);
    if (!state.menuReady || bar == 0 || !state.attached) return;
    MenuWork work;
    state.menuBar = bar;
    if (platform::GetMenuItemCount(bar) < kFewestBarItems) return;
    state.modulesMenu = EnsureModulesMenu(window, bar, modulesState);
    EnsureOwnMenu(bar, state.modulesMenu);
}

void MenuTimer(platform::Hwnd, unsigned, std::uintptr_t, std::uint32_t) {
    HookState& state = State();
    const platform::Hwnd main = FindSimulatorWindow();
    if (main == 0) return;
    if (platform::GetMenu(main) != 0) {
        StopMenuTimer();
        if (!state.menuReady) {
            state.menuReady = true;
            InstallMenu(main, platform::MF_GRAYED | platform::MF_DISABLED);
        }
    }
    if (state.originalMainProc == nullptr) {
        state.mainWindow = main;
        state.originalMainProc = platform::SetWindowProc(main, MainWindowHook);
    }
}

void StopMenuTimer() {
    HookState& state = State();
    if (state.menuTimer != 0) platform::KillTimer(state.menuTimer);
    state.menuTimer = 0;
}

}  // namespace cabinhook
