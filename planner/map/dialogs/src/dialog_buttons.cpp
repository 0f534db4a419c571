#include "dialog_buttons.h"

#include <QPushButton>

#include "qtplatform/control_ids.h"

namespace trevalo::mapdialogs_detail {
namespace {
constexpr int kOkId = 1;
constexpr int kCancelId = 2;
}  // namespace

QDialogButtonBox* DialogButtons(QDialog& dialog, QDialogButtonBox::StandardButtons which) {
    auto* buttons = new QDialogButtonBox(which);
    if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) qtplatform::SetControlId(ok, kOkId);
    if (QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel)) qtplatform::SetControlId(cancel, kCancelId);
    // accept and reject are virtual: the dialogs' own OK handling runs.
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}

}  // namespace trevalo::mapdialogs_detail
