// Help texts that follow the focus: a wizard page runs a handler each time one of its
// controls gets the keyboard focus (a click or Tab into it).
#pragma once

#include <functional>

#include <QWidget>

namespace trevalo {

// Runs handler on every focus-in of control, for as long as the control lives.
void OnFocusIn(QWidget* control, std::function<void()> handler);

}  // namespace trevalo
