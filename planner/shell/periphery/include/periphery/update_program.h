// The update program of Files/FTP, run hidden and waited for while the planner's windows
// keep painting; after a long wait the user may stop waiting, and the program goes on by
// itself (it is never ended from here).
#pragma once

#include <string>

namespace trevalo {

inline constexpr const char* kFtpMissingMessage =
    "The FTP application cannot be found.\nUpdate your configuration files, (Ctrl-I).";
inline constexpr const char* kStopWaitingQuestion =
    "The update program is still running.\nDo you want to stop waiting for it?\n(It goes on by itself.)";
inline constexpr const char* kUpdateRequestArgument = "/UPDATE_REQUEST";

struct UpdateWait {
    int pollMs = 50;
    int askAfterMs = 120000;  // and again after each such time
};

// False when the program is missing or does not start (both reported) or the user stopped
// waiting; true once it has ended.
bool RunUpdateProgram(const std::string& arguments, bool waitCursor, const UpdateWait& wait = {});

}  // namespace trevalo
