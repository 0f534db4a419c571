#include "shell/about_dlg.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

#include "qtplatform/dialog_buttons.h"

namespace trevalo {
namespace {
constexpr int kIconSize = 32;
}

CAboutDlg::CAboutDlg(QWidget* parent) : Dialog(parent) {
    setWindowTitle(QStringLiteral("About Trevalo"));
    auto* icon = new QLabel(this);
    const QIcon programIcon = QApplication::windowIcon().isNull() ? style()->standardIcon(QStyle::SP_DesktopIcon)
                                                                  : QApplication::windowIcon();
    icon->setPixmap(programIcon.pixmap(kIconSize, kIconSize));

    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addWidget(new QLabel(QString::fromLatin1(kVersionLine), this), 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(qtplatform::DialogButtons(*this, QDialogButtonBox::Ok));
}

}  // namespace trevalo
