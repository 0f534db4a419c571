// The hidden "CABIN_HOOK" window: serves the link's requests against the simulator's
// global block.
#pragma once

#include "platform/window_types.h"

namespace cabinhook {

// 1 when the request was carried out; 0 for a malformed or refused one, which changes
// nothing.
platform::LResult HandleLinkRequest(const platform::CopyDataStruct* copy);

platform::LResult HookWindowProc(platform::Hwnd window, unsigned message, platform::WParam wParam,
                                 platform::LParam lParam);

}  // namespace cabinhook
