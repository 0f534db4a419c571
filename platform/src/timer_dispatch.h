// Running the thread timers that are due, from the message loop.
#pragma once

namespace platform::detail {

void RunDueTimers();

}  // namespace platform::detail
