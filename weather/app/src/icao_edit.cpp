#include "wxapp/icao_edit.h"

#include <QFocusEvent>

#include "platform/message_box.h"
#include "qtplatform/text.h"
#include "wxapp/select_icao_dlg.h"

namespace wxapp {
namespace {
constexpr int kIdentLength = 4;
}

void CDblClickEdit::mouseDoubleClickEvent(QMouseEvent* event) {
    emit doubleClicked();
    QLineEdit::mouseDoubleClickEvent(event);
}

CIcaoEdit::CIcaoEdit(QWidget* parent) : CDblClickEdit(parent) {
    setMaxLength(kIdentLength);
    connect(this, &CDblClickEdit::doubleClicked, this, &CIcaoEdit::PickStation);
}

std::optional<int> CIcaoEdit::TakePick() { return std::exchange(pick_, std::nullopt); }

void CIcaoEdit::PickStation() {
    if (weatherRecord_ == 0) {
        platform::MessageBox("This is the Global weather and it cannot be updated.", {}, platform::MbIcon::Information);
        return;
    }
    if (weatherRecord_ < 0) {
        platform::MessageBox("Please load a '.wx' file before trying to change the ID.", {},
                             platform::MbIcon::Information);
        return;
    }
    CSelectIcaoDlg dialog(simFolder_, window());
    if (dialog.exec() != QDialog::Accepted || dialog.ChosenIdent().empty()) return;
    pick_ = dialog.ChosenRecord();
    setText(qtplatform::ToQString(dialog.ChosenIdent()));
    emit stationPicked();
}

void CIcaoEdit::focusOutEvent(QFocusEvent* event) {
    // A message box or a dialog over the window takes the focus for a while only.
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) emit focusLeft();
    CDblClickEdit::focusOutEvent(event);
}

}  // namespace wxapp
