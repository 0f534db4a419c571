// The subclass procedure of the simulator's main window.
#pragma once

#include "platform/window_types.h"

namespace cabinhook {

platform::LResult MainWindowHook(platform::Hwnd window, unsigned message, platform::WParam wParam,
                                 platform::LParam lParam);

// The simulator's main window, one of this process's when there are several.
platform::Hwnd FindSimulatorWindow();

}  // namespace cabinhook
