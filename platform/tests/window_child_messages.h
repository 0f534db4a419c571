// Message numbers that the window tests send to platform_window_child.
#pragma once

#include "platform/window_types.h"

namespace window_child {

constexpr unsigned kAddMessage = platform::WM_APP + 1;
constexpr unsigned kHangMessage = platform::WM_APP + 2;
constexpr unsigned kHangCountMessage = platform::WM_APP + 3;

}  // namespace window_child
