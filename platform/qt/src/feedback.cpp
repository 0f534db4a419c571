#include "qtplatform/feedback.h"

#include <QApplication>
#include <QCursor>

namespace qtplatform {

WaitCursor::WaitCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }

WaitCursor::~WaitCursor() { QApplication::restoreOverrideCursor(); }

void WarningBeep() { QApplication::beep(); }

}  // namespace qtplatform
