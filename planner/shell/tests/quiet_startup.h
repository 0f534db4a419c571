// Start-up without its modal questions, for tests that run the whole start-up: no tip of
// the day (Tip/StartUp 1). The version check stays quiet on a fresh settings store, which
// dates its first check today.
#pragma once

#include "shell/settings.h"

namespace trevalo::testing {

inline void QuietStartUp() { Settings().WriteInt(SettingId::TipStartUp, 1); }

}  // namespace trevalo::testing
