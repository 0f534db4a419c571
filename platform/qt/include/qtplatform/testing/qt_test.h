// For tests of Qt code: the test binary runs a QApplication on the offscreen platform
// (set up by the qtplatform_testing objects), and modal dialogs are answered from a timer.
#pragma once

#include <QWidget>
#include <functional>

namespace qtplatform::testing {

// Calls act with the next modal widget once it is shown (polling from the event loop).
void WhenModalShown(std::function<void(QWidget* modal)> act);

// Runs the event loop until done() is true or the time runs out; returns done().
bool ProcessEventsUntil(const std::function<bool()>& done, int timeoutMs = 5000);

}  // namespace qtplatform::testing
