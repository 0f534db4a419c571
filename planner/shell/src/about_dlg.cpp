#include "shell/about_dlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

namespace trevalo {
namespace {
constexpr int kIconSize = 32;
}

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About Trevalo"));
    auto* icon = new QLabel(this);
    const QIcon programIcon = QApplication::windowIcon().isNull()
                                  ? style()->standardIcon(QStyle::SP_DesktopIcon)
                                  : QApplication::windowIcon();
    icon->setPixmap(programIcon.pixmap(kIconSize, kIconSize));

    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addWidget(new QLabel(QString::fromLatin1(kVersionLine), this), 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
}

}  // namespace trevalo
