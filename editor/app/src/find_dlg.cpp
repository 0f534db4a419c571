#include "find_dlg.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/message_box.h"
#include "platform/text.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/dialog_buttons.h"
#include "qtplatform/text.h"

namespace quillet {

CFindDlg::CFindDlg(QWidget* parent) : Dialog(parent), what_(qtplatform::WithId(new QComboBox, kWhat)) {
    setWindowTitle(QStringLiteral("Find"));
    what_->setEditable(true);
    what_->setInsertPolicy(QComboBox::NoInsert);
    what_->setMinimumContentsLength(30);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    // With the combo box as its buddy the label shows "n" as its mnemonic, not a "&".
    auto* label = new QLabel(QStringLiteral("Fi&nd what:"));
    label->setBuddy(what_);
    form->addRow(label, what_);
    layout->addLayout(form);
    layout->addWidget(qtplatform::WithId(new QCheckBox(QStringLiteral("Match &Case")), kMatchCase));
    layout->addWidget(qtplatform::WithId(new QCheckBox(QStringLiteral("Match &Whole word")), kWholeWord));
    layout->addWidget(qtplatform::DialogButtons(*this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel, {"&Find"}));
}

bool CFindDlg::Run(const std::string& proposal, Search search) {
    text_ = proposal;
    search_ = std::move(search);
    const bool found = exec() == Accepted;
    search_ = nullptr;
    return found;
}

void CFindDlg::Remember(const std::string& text) {
    if (text.empty()) return;
    history_.erase(std::remove(history_.begin(), history_.end(), text), history_.end());
    history_.push_back(text);
}

bool CFindDlg::OnInitDialog() {
    Remember(text_);
    what_->clear();
    for (const std::string& entry : history_) what_->insertItem(0, qtplatform::ToQString(entry));
    const bool result = Dialog::OnInitDialog();
    if (text_.empty() && what_->count() > 0) what_->setCurrentIndex(0);
    what_->lineEdit()->selectAll();
    return result;
}

void CFindDlg::DoDataExchange(qtplatform::DataExchange& dx) {
    dx.Text(kWhat, text_);
    dx.Check(kMatchCase, matchCase_);
    dx.Check(kWholeWord, wholeWord_);
}

void CFindDlg::OnOK() {
    if (!UpdateData(true)) return;
    if (text_.empty()) {
        EndDialog(Rejected);
        return;
    }
    Remember(text_);
    // With no document to search, the text waits for Repeat Search.
    if (!search_ || search_(text_, Options())) {
        EndDialog(Accepted);
        return;
    }
    platform::MessageBox(platform::Format(kCannotFindMessage, text_.c_str()), {}, platform::MbIcon::Information);
}

}  // namespace quillet
