// Thread timers: callbacks run by the message loop (message_loop.h) of this process.
#pragma once

#include <cstdint>

#include "platform/export.h"
#include "platform/window_types.h"

namespace platform {

using TimerProc = void (*)(Hwnd window, unsigned message, std::uintptr_t timerId, std::uint32_t tickMs);

constexpr unsigned WM_TIMER = 0x0113;

// Calls procedure every intervalMs milliseconds (with window 0 and WM_TIMER); returns the
// timer's id, 0 on failure.
PLATFORM_API std::uintptr_t SetThreadTimer(unsigned intervalMs, TimerProc procedure);
// False when no such timer runs.
PLATFORM_API bool KillTimer(std::uintptr_t timerId);
// Milliseconds until the next timer is due; negative when none runs.
PLATFORM_API int NextTimerDelayMs();

}  // namespace platform
