// A Qt program's main window as a window that other programs of the suite reach by its
// class: a posted WM_CLOSE closes it as its close box would (its closeEvent may ask to
// save first, or refuse), and an activation request (BringWindowToFront) raises it. The
// process's message loop is served from the Qt event loop while such a window lives.
#pragma once

#include <QWidget>
#include <string>

#include "platform/window_types.h"

namespace qtplatform {

// Creates a window of the class, titled with the widget's current title, that stands for
// the widget until the widget is destroyed. Call once per widget, from the GUI thread,
// with a QApplication running. 0 when the window cannot be created (empty class name, a
// class this process registered with another procedure, a title holding a line break).
platform::Hwnd RegisterMainWindow(QWidget* widget, const std::string& className);

}  // namespace qtplatform
