// A companion program that one program of the suite starts for the user (the editor from
// the planner, the planner from the editor): started once, brought to the front when it
// is asked for again while it runs.
#pragma once

#include <string>

#include "platform/export.h"
#include "platform/process.h"

namespace platform {

// The suite's text for a program that was found but did not start, and its caption.
inline constexpr const char* kStartFailedMessage =
    "An error occured when trying to start the program.\nPlease make sure that this program is in your main directory\n"
    "\tRefer to the manual for more info.\n";
inline constexpr const char* kStartFailedCaption = "Error starting program";

// While the process still runs, asks its windows to the front. Otherwise starts the
// program (shown, without arguments, its own folder as working folder when that folder
// is on the drives) into the process. A missing program shows missingMessage (stop
// icon), one that does not start the text above; false for both.
PLATFORM_API bool StartOrBringToFront(Process& process, const std::string& programPath,
                                      const std::string& missingMessage);

}  // namespace platform
