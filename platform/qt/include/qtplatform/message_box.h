// The Qt message box behind platform::MessageBox: icon, buttons and default button as
// asked, the caption already resolved by the platform (the program's title unless the
// caller gave one). Callable from any thread: a worker's request is shown on the GUI
// thread, which must keep handling events while the worker waits.
#pragma once

#include "platform/message_box.h"

namespace qtplatform {

// Installs the Qt handler for platform::MessageBox; needs a QApplication.
void InstallMessageBoxHandler();

// Shows the box modally over the active window and returns the button pressed; from a
// thread other than the GUI thread it blocks until the GUI thread has shown it.
platform::MbResult ShowMessageBox(const platform::MessageBoxRequest& request);

}  // namespace qtplatform
