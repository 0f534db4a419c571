// Closing a companion program that the planner started.
#pragma once

#include "platform/process.h"

namespace trevalo {

// When the program still runs, posts WM_CLOSE to each of its top-level windows (without
// waiting); then lets go of the process. A program never started is left alone.
void CloseStartedProgram(platform::Process& process);

}  // namespace trevalo
