// Small feedback to the user: the wait cursor for a scope and the warning beep.
#pragma once

namespace qtplatform {

// Shows the wait cursor while it lives (nests).
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// The warning (exclamation) sound.
void WarningBeep();

}  // namespace qtplatform
