#include "shell/progress_dlg.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QProgressBar>
#include <QVBoxLayout>

#include "qtplatform/control_ids.h"
#include "qtplatform/dialog_units.h"

namespace trevalo {
namespace {

constexpr QSize kDialogUnits(202, 134);
constexpr int kProgressMaximum = 100;

// The picture above the bar: the program's name on a sky gradient.
QPixmap LoadingPicture(QSize size) {
    QPixmap picture(size);
    QPainter painter(&picture);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(40, 90, 160));
    sky.setColorAt(1, QColor(170, 205, 235));
    painter.fillRect(picture.rect(), sky);
    QFont font = painter.font();
    font.setPixelSize(size.height() / 5);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("Trevalo"));
    return picture;
}

}  // namespace

CProgressDlg::CProgressDlg(QWidget* parentView)
    : Dialog(parentView), bar_(qtplatform::WithId(new QProgressBar(this), kProgressBar)) {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    const QSize size = qtplatform::DialogUnitsToPixels(*this, kDialogUnits);
    setFixedSize(size);
    bar_->setTextVisible(false);

    auto* picture = new QLabel(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(picture, 1);
    layout->addWidget(bar_);
    picture->setPixmap(LoadingPicture(QSize(size.width(), size.height() - bar_->sizeHint().height())));
}

bool CProgressDlg::OnInitDialog() {
    bar_->setRange(0, kProgressMaximum);
    bar_->setValue(0);
    return Dialog::OnInitDialog();
}

bool CProgressDlg::Create() {
    if (parentWidget() == nullptr) return false;
    show();
    return isVisible();
}

void CProgressDlg::SetPos(int position) { bar_->setValue(position); }

int CProgressDlg::Pos() const { return bar_->value(); }

void CProgressDlg::DestroyWindow() { close(); }

}  // namespace trevalo
