#include "qtplatform/dialog.h"

#include <QCloseEvent>
#include <QHideEvent>
#include <QPointer>
#include <QShowEvent>

namespace qtplatform {

Dialog::Dialog(QWidget* parent) : QDialog(parent), ExchangeOwner(static_cast<QWidget&>(*this)) {}

void Dialog::accept() { OnOK(); }

void Dialog::reject() { OnCancel(); }

void Dialog::OnOK() {
    if (UpdateData(true)) EndDialog(Accepted);
}

void Dialog::OnCancel() { EndDialog(Rejected); }

void Dialog::OnClose() { OnCancel(); }

void Dialog::showEvent(QShowEvent* event) {
    // A spontaneous show is the window system's (a restore from the task bar), not a run.
    if (!event->spontaneous() && !running_) {
        running_ = true;
        OnInitDialog();
    }
    QDialog::showEvent(event);
}

void Dialog::closeEvent(QCloseEvent* event) {
    if (!isVisible()) return event->accept();
    QPointer<Dialog> alive(this);
    OnClose();
    // A handler that kept the dialog open refuses the close.
    if (alive && isVisible())
        event->ignore();
    else
        event->accept();
}

void Dialog::hideEvent(QHideEvent* event) {
    // A dialog inside another window (a sheet in a bar) hides with it and is not run again.
    if (!event->spontaneous() && isWindow()) running_ = false;
    QDialog::hideEvent(event);
}

}  // namespace qtplatform
