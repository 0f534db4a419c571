#include "child_frame.h"

#include <QCloseEvent>

#include "qtplatform/text.h"
#include "quillet_doc.h"
#include "quillet_view.h"

namespace quillet {

CChildFrame::CChildFrame(CQuilletDoc& document, CQuilletView* view, QWidget* parent)
    : QMdiSubWindow(parent), document_(document), view_(view) {
    setWidget(view);
    setAttribute(Qt::WA_DeleteOnClose);
    const auto showTitle = [this] { setWindowTitle(qtplatform::ToQString(document_.GetTitle())); };
    showTitle();
    connect(&document, &CQuilletDoc::TitleChanged, this, showTitle);
}

CChildFrame::~CChildFrame() {
    delete view_;
    if (onDestroyed) onDestroyed();
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    if (canClose && !canClose()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

}  // namespace quillet
