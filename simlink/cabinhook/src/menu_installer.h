// The "&Modules" / "&Trevalo" menu on the simulator's menu bar, and the timer that waits
// for the bar to exist.
#pragma once

#include <cstdint>

#include "platform/window_types.h"

namespace cabinhook {

constexpr unsigned kModulesMenuId = 21007;
constexpr unsigned kOwnMenuId = 26001;
constexpr unsigned kOwnCommandId = 26002;
constexpr unsigned kMenuTimerMs = 100;

// Adds what is missing of the menu; a new "&Modules" popup gets the given state.
void InstallMenu(platform::Hwnd window, unsigned modulesState);

void MenuTimer(platform::Hwnd, unsigned, std::uintptr_t, std::uint32_t);
void StopMenuTimer();

}  // namespace cabinhook
