// The object of a main window that refreshes its commands' states when the class
// library would: when a menu of the window opens, before accelerators are matched, and
// once the window's commands, clicks and key presses have been handled (with the modal
// dialogs they ran closed).
#pragma once

#include <QMainWindow>

namespace qtplatform {

// Made once per window, with its commands.
void WatchCommandStates(QMainWindow& window);
// Refreshes the window's commands once the events now waiting are handled.
void UpdateCommandUISoon(const QWidget& window);

}  // namespace qtplatform
