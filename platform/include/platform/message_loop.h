// The message loop of the thread that serves this process's windows: messages sent or
// posted by other processes, posted messages of this one and thread timers. Another
// event loop can embed it by watching MessageEventFd and calling PumpMessages(0).
#pragma once

#include <string>

#include "platform/export.h"

namespace platform {

// Waits at most timeoutMs (negative: without limit) for work, then handles all that is
// ready. False once PostQuitMessage was called.
PLATFORM_API bool PumpMessages(int timeoutMs);
// Runs until PostQuitMessage; returns its exit code.
PLATFORM_API int RunMessageLoop();
PLATFORM_API void PostQuitMessage(int exitCode);
// Becomes readable whenever PumpMessages has work (timers aside: see NextTimerDelayMs).
PLATFORM_API int MessageEventFd();

// The same number in every process for the same name (compared without regard to
// case), from 0xC000 to 0xFFFF.
PLATFORM_API unsigned RegisterWindowMessage(const std::string& name);

}  // namespace platform
