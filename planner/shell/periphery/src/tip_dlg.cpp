#include "periphery/tip_dlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "qtplatform/control_ids.h"
#include "qtplatform/dialog_buttons.h"
#include "qtplatform/text.h"

namespace trevalo {
namespace {

constexpr const char* kDidYouKnow = "Did you know...";
constexpr int kBulbSize = 32;
constexpr int kTipWidth = 360;

// The white panel: the bulb, "Did you know..." beside it, and the tip below.
QFrame* TipPanel(QLabel* tipText) {
    auto* panel = qtplatform::WithId(new QFrame, CTipDlg::kFrame);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    panel->setPalette(white);

    auto* bulb = new QLabel;
    bulb->setPixmap(QApplication::style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(kBulbSize));
    auto* heading = new QLabel(QString::fromLatin1(kDidYouKnow));
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    heading->setFont(bold);
    auto* top = new QHBoxLayout;
    top->addWidget(bulb);
    top->addWidget(heading, 1);

    tipText->setTextFormat(Qt::PlainText);
    tipText->setWordWrap(true);
    tipText->setFixedWidth(kTipWidth);
    tipText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* layout = new QVBoxLayout(panel);
    layout->addLayout(top);
    layout->addWidget(tipText, 1);
    return panel;
}

}  // namespace

CTipDlg::CTipDlg(const std::string& tipsPath, QWidget* parent)
    : Dialog(parent),
      tip_(tipsPath),
      showAtStartUp_(tip_.ShowAtStartUp()),
      text_(tip_.Text()),
      tipText_(qtplatform::WithId(new QLabel, kTipText)),
      nextTip_(qtplatform::WithId(new QPushButton(QStringLiteral("&Next Tip")), kNextTip)) {
    setWindowTitle(QStringLiteral("Tip of the Day"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(TipPanel(tipText_), 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(qtplatform::WithId(new QCheckBox(QStringLiteral("&Show Tips on StartUp")), kShowAtStartUp));
    bottom->addStretch(1);
    bottom->addWidget(nextTip_);
    bottom->addWidget(qtplatform::DialogButtons(*this, QDialogButtonBox::Ok, {.ok = "&Close"}));
    layout->addLayout(bottom);
    connect(nextTip_, &QPushButton::clicked, this, [this] { OnNextTip(); });
}

bool CTipDlg::OnInitDialog() {
    nextTip_->setEnabled(tip_.HasNext());
    ReserveTipHeight();
    const bool result = Dialog::OnInitDialog();
    adjustSize();
    return result;
}

// Room for the tallest of the texts the dialog may show, measured once at the tip's width.
void CTipDlg::ReserveTipHeight() {
    int height = 0;
    for (const std::string& text : tip_.PossibleTexts()) {
        tipText_->setText(qtplatform::ToQString(text));
        height = std::max(height, tipText_->heightForWidth(kTipWidth));
    }
    tipText_->setMinimumHeight(height);
}

void CTipDlg::DoDataExchange(qtplatform::DataExchange& dx) {
    dx.Check(kShowAtStartUp, showAtStartUp_);
    dx.Text(kTipText, text_);
}

void CTipDlg::OnNextTip() {
    UpdateData(true);
    tip_.LoadTip();
    text_ = tip_.Text();
    // A file that turns out to hold no tip offers no next one.
    nextTip_->setEnabled(tip_.HasNext());
    UpdateData(false);
}

void CTipDlg::OnOK() {
    if (!UpdateData(true)) return;
    tip_.SetShowAtStartUp(showAtStartUp_);
    EndDialog(Accepted);
}

}  // namespace trevalo
