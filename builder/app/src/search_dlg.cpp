#include "gathrelapp/search_dlg.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "platform/text.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/dialog_buttons.h"
#include "qtplatform/static_text.h"

namespace gathrelapp {

CSearchDlg::CSearchDlg(QWidget* parent) : Dialog(parent) {
    setWindowTitle(QStringLiteral("Search"));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addWidget(qtplatform::NewStaticText("ID"));
    row->addWidget(qtplatform::WithId(new QLineEdit, kIdent));
    layout->addLayout(row);
    layout->addWidget(qtplatform::DialogButtons(*this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel));
}

void CSearchDlg::DoDataExchange(qtplatform::DataExchange& dx) {
    dx.Text(kIdent, ident_);
    if (dx.saving()) ident_ = platform::Trimmed(ident_);
}

}  // namespace gathrelapp
