#include "qtplatform/dialog_buttons.h"

#include <QPushButton>

#include "qtplatform/control_ids.h"

namespace qtplatform {
namespace {

void Identify(QDialogButtonBox& box, QDialogButtonBox::StandardButton which, int id, const char* caption) {
    QPushButton* button = box.button(which);
    if (button == nullptr) return;
    SetControlId(button, id);
    if (caption != nullptr) button->setText(QString::fromLatin1(caption));
}

}  // namespace

QDialogButtonBox* DialogButtons(QDialog& dialog, QDialogButtonBox::StandardButtons which, ButtonCaptions captions) {
    auto* buttons = new QDialogButtonBox(which);
    Identify(*buttons, QDialogButtonBox::Ok, kIdOk, captions.ok);
    Identify(*buttons, QDialogButtonBox::Cancel, kIdCancel, captions.cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}

}  // namespace qtplatform
