// The OK (id 1) and Cancel (id 2) buttons that every dialog takes from here, wired to the
// dialog's accept and reject (so to Dialog::OnOK and OnCancel).
#pragma once

#include <QDialog>
#include <QDialogButtonBox>

namespace qtplatform {

// Captions other than "OK" and "Cancel" ("&Done"); null keeps the standard one.
struct ButtonCaptions {
    const char* ok = nullptr;
    const char* cancel = nullptr;
};

// QDialogButtonBox::Ok, Cancel or both; the box is the caller's to place.
QDialogButtonBox* DialogButtons(QDialog& dialog, QDialogButtonBox::StandardButtons which, ButtonCaptions captions = {});

}  // namespace qtplatform
