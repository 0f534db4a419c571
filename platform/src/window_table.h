// The windows and window classes of this process.
#pragma once

#include <mutex>

#include "platform/menus.h"
#include "platform/window_types.h"

namespace platform::detail {

// Menu bar of a local window, for the menu functions; false when the window is unknown.
bool WindowMenu(Hwnd window, Hmenu& menu);
bool SetWindowMenu(Hwnd window, Hmenu menu, Hmenu& previous);

}  // namespace platform::detail
