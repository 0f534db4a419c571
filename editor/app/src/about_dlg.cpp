#include "about_dlg.h"

#include <QVBoxLayout>

#include "qtplatform/dialog_buttons.h"
#include "qtplatform/static_text.h"

namespace quillet {

CAboutDlg::CAboutDlg(QWidget* parent) : Dialog(parent) {
    setWindowTitle(QStringLiteral("About Quillet"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(qtplatform::NewStaticText("Quillet Version 1.0"));
    layout->addWidget(qtplatform::NewStaticText("The adventure source editor of the Quillet suite"));
    layout->addWidget(qtplatform::DialogButtons(*this, QDialogButtonBox::Ok));
}

}  // namespace quillet
