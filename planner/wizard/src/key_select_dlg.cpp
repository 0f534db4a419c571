#include "wizard/key_select_dlg.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "adf/key_list.h"
#include "platform/message_box.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/dialog_buttons.h"

namespace trevalo {

std::string KeyPrompt(const std::string& code) {
    const adf::KeyOption* option = adf::FindKeyOption(code);
    return option != nullptr ? std::string(option->prompt) : std::string();
}

CKeySelectDlg::CKeySelectDlg(std::string code, std::vector<std::string> keyList, QWidget* parent)
    : Dialog(parent),
      code_(std::move(code)),
      keyList_(std::move(keyList)),
      prompt_(KeyPrompt(code_)),
      letters_(qtplatform::WithId(new QComboBox, kLetter)) {
    setWindowTitle(QStringLiteral("Select a Key"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(qtplatform::WithId(new QLabel, kPrompt));
    auto* row = new QHBoxLayout;
    row->addWidget(qtplatform::WithId(new QRadioButton(QStringLiteral("Ctrl")), kCtrl));
    row->addWidget(qtplatform::WithId(new QRadioButton(QStringLiteral("Shift")), kShift));
    row->addWidget(qtplatform::WithId(new QRadioButton(QStringLiteral("None")), kNone));
    row->addWidget(letters_);
    layout->addLayout(row);
    layout->addWidget(qtplatform::DialogButtons(*this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel));
}

bool CKeySelectDlg::OnInitDialog() {
    ctrl_ = 1;
    shift_ = none_ = 0;
    letters_->clear();
    for (const char* letter : adf::kKeyLetters) letters_->addItem(QString::fromLatin1(letter));
    letters_->setCurrentIndex(0);
    letter_ = adf::kKeyLetters[0];
    return Dialog::OnInitDialog();
}

void CKeySelectDlg::DoDataExchange(qtplatform::DataExchange& dx) {
    dx.Text(kPrompt, prompt_);
    dx.Check(kCtrl, ctrl_);
    dx.Check(kShift, shift_);
    dx.Check(kNone, none_);
    dx.Text(kLetter, letter_);
}

std::string CKeySelectDlg::KeyText() const {
    const adf::KeyModifier modifier = ctrl_ != 0    ? adf::KeyModifier::Ctrl
                                      : shift_ != 0 ? adf::KeyModifier::Shift
                                                    : adf::KeyModifier::None;
    return adf::MakeKeyText(modifier, letter_);
}

void CKeySelectDlg::OnOK() {
    if (!UpdateData(true)) return;
    const std::string key = KeyText();
    if (adf::KeyTaken(keyList_, code_, key)) {
        platform::MessageBox(kKeyExistsMessage, {}, platform::MbIcon::Information);
        return;
    }
    result_ = adf::MakeKeyEntry(code_, key);
    EndDialog(Accepted);
}

}  // namespace trevalo
