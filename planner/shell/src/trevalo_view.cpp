#include "shell/trevalo_view.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>

#include "shell/progress_dlg.h"
#include "shell/trevalo_doc.h"

namespace trevalo {
namespace {
const QColor kMapBackground(255, 255, 255);
}

CTrevaloView::CTrevaloView(CTrevaloDoc& document, const std::string& baseDirectory, QWidget* parent)
    : QAbstractScrollArea(parent), document_(document),
      database_(std::make_unique<NavDatabase>(baseDirectory)) {
    document_.AddView(this);
}

CTrevaloView::~CTrevaloView() { document_.RemoveView(this); }

void CTrevaloView::OnInitialUpdate() {
    QPointer<CProgressDlg> progress = new CProgressDlg(this);
    if (!progress->Create()) {
        delete progress;
        progress = nullptr;
    } else {
        progress->SetPos(database_->Progress());
    }

    database_->StartLoaders();
    // Keep the dialog painting (and worker message boxes answered) while the loaders run.
    database_->WaitForLoaders([&progress](int position) {
        if (progress) progress->SetPos(position);
        QApplication::processEvents();
    });
    ReportLoadError(true);
    if (progress) progress->DestroyWindow();

    // The route file map_internal.adf is read here (ReadInternalAdf) once the route
    // model exists.
}

void CTrevaloView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), kMapBackground);
}

}  // namespace trevalo
