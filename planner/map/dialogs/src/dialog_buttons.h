// The OK (id 1) and Cancel (id 2) buttons of the map dialogs.
#pragma once

#include <QDialog>
#include <QDialogButtonBox>

namespace trevalo::mapdialogs_detail {

// The buttons, with their ids, wired to the dialog's accept and reject.
QDialogButtonBox* DialogButtons(QDialog& dialog, QDialogButtonBox::StandardButtons which);

}  // namespace trevalo::mapdialogs_detail
