// What tests need to drive qtplatform_window_child (see qt_window_child.cpp).
#pragma once

#include "platform/window_types.h"

namespace qt_window_child {

inline constexpr const char* kProgram = "qtplatform_window_child.exe";
// Makes the main window's close box refuse, as when the user cancels the save question.
inline constexpr const char* kRefuseCloseOption = "--refuse-close";
inline constexpr const char* kMainWindowTitle = "Qt child";
// The probe window's class is the main window's class followed by this.
inline constexpr const char* kProbeClassSuffix = ".probe";
// Sent to the probe: answers how often the main window was asked to close.
constexpr unsigned kCloseRequestsMessage = platform::WM_APP + 1;

}  // namespace qt_window_child
