#include "jump_to_dlg.h"

#include <QFormLayout>
#include <QVBoxLayout>

#include "qtplatform/control_ids.h"
#include "qtplatform/dialog_buttons.h"
#include "qtplatform/static_text.h"

namespace quillet {

CJumpToDlg::CJumpToDlg(QWidget* parent) : Dialog(parent), lineEdit_(qtplatform::WithId(new QLineEdit, kLine)) {
    setWindowTitle(QStringLiteral("Jump To"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(qtplatform::NewStaticText("Enter Line Number"));
    auto* form = new QFormLayout;
    form->addRow(qtplatform::NewStaticText("Line:"), lineEdit_);
    layout->addLayout(form);
    layout->addWidget(qtplatform::DialogButtons(*this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel, {"&Go"}));
}

bool CJumpToDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    lineEdit_->setFocus();
    lineEdit_->selectAll();
    return false;
}

}  // namespace quillet
