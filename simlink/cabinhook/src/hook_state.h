// Cabinhook's module-wide state, used on the simulator's user-interface thread only.
#pragma once

#include <cstdint>

#include "platform/menus.h"
#include "platform/shared_memory.h"
#include "platform/windows.h"

namespace cabinhook {

struct HookState {
    platform::SharedMemory block;
    platform::Hwnd hiddenWindow = 0;
    platform::Hwnd mainWindow = 0;
    platform::WindowProc originalMainProc = nullptr;  // null until the main window is subclassed
    std::uintptr_t menuTimer = 0;                     // 0 when not running
    unsigned gaugeMessage = 0;
    platform::Hmenu modulesMenu = 0;
    platform::Hmenu ownMenu = 0;
    platform::Hmenu menuBar = 0;
    bool menuReady = false;
    bool attached = false;
};

HookState& State();

// The simulator's global block, as the host left it in ImportTable.
std::uint8_t* GlobalBlock();

}  // namespace cabinhook
