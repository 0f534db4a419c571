// Handing a message to a window of this process, and queueing posted ones.
#pragma once

#include <optional>

#include "platform/window_types.h"

namespace platform::detail {

// The window procedure's answer; nullopt when the window is not one of ours.
std::optional<LResult> DispatchToLocalWindow(Hwnd window, unsigned message, WParam wParam, LParam lParam);

void QueuePostedMessage(Hwnd window, unsigned message, WParam wParam, LParam lParam);
// Starts serving this process's windows to other processes (once).
bool StartMessageServer();
// Wakes a waiting PumpMessages.
void WakeMessageLoop();

}  // namespace platform::detail
