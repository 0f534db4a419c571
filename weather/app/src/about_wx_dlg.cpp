#include "wxapp/about_wx_dlg.h"

#include <QLabel>
#include <QVBoxLayout>

#include "qtplatform/dialog_buttons.h"

namespace wxapp {

CAboutWxDlg::CAboutWxDlg(QWidget* parent) : Dialog(parent) {
    setWindowTitle(QStringLiteral("About Wx"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Wx Version 1.0")));
    layout->addWidget(qtplatform::DialogButtons(*this, QDialogButtonBox::Ok));
}

}  // namespace wxapp
