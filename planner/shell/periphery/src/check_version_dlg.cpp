#include "periphery/check_version_dlg.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

#include "platform/text.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/dialog_buttons.h"
#include "qtplatform/text.h"

namespace trevalo {

CCheckVersionDlg::CCheckVersionDlg(int days, QWidget* parent) : Dialog(parent) {
    setWindowTitle(QStringLiteral("Check for new Version"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(qtplatform::WithId(
        new QLabel(qtplatform::ToQString(platform::Format(kVersionQuestionFormat, days))), kQuestion));
    auto* dontCheck = qtplatform::WithId(new QCheckBox(QStringLiteral("Don't Check anymore")), kDontCheck);
    layout->addWidget(dontCheck);
    layout->addWidget(qtplatform::DialogButtons(*this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel,
                                                {.ok = "&Check", .cancel = "&Later"}));
    connect(dontCheck, &QCheckBox::clicked, this, [this](bool ticked) { OnDontCheck(ticked); });
}

void CCheckVersionDlg::OnDontCheck(bool ticked) { settings_.WriteInt(SettingId::Check, ticked ? 0 : 1); }

}  // namespace trevalo
