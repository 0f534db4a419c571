#include "shell/child_frame.h"

#include "qtplatform/text.h"
#include "shell/trevalo_doc.h"
#include "shell/trevalo_view.h"

namespace trevalo {

CChildFrame::CChildFrame(CTrevaloDoc& document, CTrevaloView* view, QWidget* parent)
    : QMdiSubWindow(parent), view_(view) {
    // No system menu and no frame controls: the map always fills the main frame.
    setWindowFlags(Qt::SubWindow | Qt::FramelessWindowHint);
    setWindowTitle(qtplatform::ToQString(document.GetTitle()));
    setWidget(view);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

}  // namespace trevalo
