// Cabinhook's exports: the tables the simulator reads, and attach and detach.
#include <cstdlib>
#include <ctime>

#include "cabinhook/module_interface.h"
#include "hook_state.h"
#include "main_window_hook.h"
#include "menu_installer.h"
#include "platform/message_loop.h"
#include "platform/timers.h"
#include "request_handler.h"
#include "simlinker/link_protocol.h"
#include "transfer_block.h"

#define CABINHOOK_API extern "C" __attribute__((visibility("default")))
#define CABINHOOK_DATA __attribute__((visibility("default")))

namespace {

void DoNothing() {}

}  // namespace

extern "C" {
CABINHOOK_DATA ModuleLinkage Linkage = {cabinhook::kModuleId, DoNothing, DoNothing, {0, 0, 0, 0, 0}};
CABINHOOK_DATA ModuleImport ImportTable[cabinhook::kImportCount] = {{1, nullptr}, {2, nullptr}};
}

namespace cabinhook {

HookState& State() {
    static HookState state;
    return state;
}

std::uint8_t* GlobalBlock() { return static_cast<std::uint8_t*>(ImportTable[kGlobalBlockImport].pointer); }

namespace {

// Puts the simulator's main window back as it was and drops the hidden window and class,
// so no procedure of an unloaded module stays reachable.
void Undo() {
    HookState& state = State();
    StopMenuTimer();
    if (state.originalMainProc != nullptr && platform::GetWindowProc(state.mainWindow) == MainWindowHook)
        platform::SetWindowProc(state.mainWindow, state.originalMainProc);
    if (state.hiddenWindow != 0) platform::DestroyWindow(state.hiddenWindow);
    platform::UnregisterWindowClass(simlink::kHookWindowClass);
    ReleaseTransferBlock();
    state = HookState{};
}

}  // namespace
}  // namespace cabinhook

CABINHOOK_API int CabinhookAttach() {
    using namespace cabinhook;
    HookState& state = State();
    if (state.attached) return 1;
    platform::RegisterWindowClass({simlink::kHookWindowClass, HookWindowProc});
    state.hiddenWindow = platform::CreateWindow(simlink::kHookWindowClass, simlink::kHookWindowTitle);
    state.menuReady = false;
    state.attached = true;
    state.mainWindow = FindSimulatorWindow();
    if (state.hiddenWindow == 0 || state.mainWindow == 0) {
        Undo();
        return 0;
    }
    EnsureTransferBlock();  // on failure the next request tries again
    state.gaugeMessage = platform::RegisterWindowMessage("FS_GAUGE_MSG");
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    state.menuTimer = platform::SetThreadTimer(kMenuTimerMs, MenuTimer);
    if (state.menuTimer == 0) {
        Undo();
        return 0;
    }
    return 1;
}

CABINHOOK_API void CabinhookDetach() { cabinhook::Undo(); }
