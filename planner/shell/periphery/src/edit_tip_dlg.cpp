#include "periphery/edit_tip_dlg.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "periphery/tip_dlg.h"
#include "periphery/tips_file.h"
#include "platform/message_box.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/dialog_buttons.h"

namespace trevalo {

CEditTipDlg::CEditTipDlg(std::string tipsPath, QWidget* parent)
    : Dialog(parent), tipsPath_(std::move(tipsPath)), edit_(qtplatform::WithId(new QPlainTextEdit, kTip)) {
    setWindowTitle(QStringLiteral("Edit Tip"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(edit_, 1);
    auto* buttons = new QHBoxLayout;
    auto* preview = qtplatform::WithId(new QPushButton(QStringLiteral("Preview")), kPreview);
    auto* saveAndNew = qtplatform::WithId(new QPushButton(QStringLiteral("&Save && New")), kSaveAndNew);
    buttons->addWidget(preview);
    buttons->addWidget(saveAndNew);
    buttons->addStretch(1);
    buttons->addWidget(qtplatform::DialogButtons(*this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel));
    layout->addLayout(buttons);
    connect(edit_, &QPlainTextEdit::textChanged, this, [this] { OnChangeTip(); });
    connect(preview, &QPushButton::clicked, this, [this] { OnPreview(); });
    connect(saveAndNew, &QPushButton::clicked, this, [this] { OnSaveAndNew(); });
}

void CEditTipDlg::DoDataExchange(qtplatform::DataExchange& dx) { dx.Text(kTip, typed_); }

// A longer tip would read back as two.
void CEditTipDlg::OnChangeTip() {
    const QString text = edit_->toPlainText();
    if (text.size() <= static_cast<int>(kMaxTipLength)) return;
    edit_->setPlainText(text.left(static_cast<int>(kMaxTipLength)));
    edit_->moveCursor(QTextCursor::End);
    platform::MessageBox(kMaxTextMessage, {}, platform::MbIcon::None);
}

void CEditTipDlg::OnPreview() {
    CTipDlg preview(tipsPath_, this);
    preview.exec();
}

bool CEditTipDlg::SaveTip(const std::string& tip) {
    if (IsSkippedTip(tip)) {
        platform::MessageBox(kCommentTipMessage, {}, platform::MbIcon::Information);
        return false;
    }
    if (!AppendTip(tipsPath_, tip)) {
        platform::MessageBox(kNoTipsAccessMessage, {}, platform::MbIcon::Information);
        return false;
    }
    return true;
}

void CEditTipDlg::OnSaveAndNew() {
    UpdateData(true);
    const std::string tip = CleanTipText(typed_);
    if (tip.empty() || !SaveTip(tip)) return;
    // Cleared only once saved, so a failed save keeps what was typed.
    typed_.clear();
    UpdateData(false);
}

void CEditTipDlg::OnOK() {
    if (!UpdateData(true)) return;
    const std::string tip = CleanTipText(typed_);
    if (!tip.empty() &&
        platform::MessageBox(kSaveTipQuestion, {}, platform::MbIcon::Question, platform::MbButtons::YesNo) ==
            platform::MbResult::Yes &&
        !SaveTip(tip))
        return;
    EndDialog(Accepted);
}

}  // namespace trevalo
