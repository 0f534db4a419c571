#include "wxapp/new_weather_dlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "qtplatform/control_ids.h"
#include "qtplatform/dialog_buttons.h"

namespace wxapp {

CNewWeatherDlg::CNewWeatherDlg(QWidget* parent)
    : Dialog(parent),
      global_(qtplatform::WithId(new QPushButton(QStringLiteral("Global Wx")), kGlobalWx)),
      local_(qtplatform::WithId(new QPushButton(QStringLiteral("Local Wx")), kLocalWx)) {
    setWindowTitle(QStringLiteral("New Weather"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Would you like to create a new weather?")));
    auto* choices = new QHBoxLayout;
    choices->addWidget(global_);
    choices->addWidget(local_);
    layout->addLayout(choices);
    layout->addWidget(qtplatform::DialogButtons(*this, QDialogButtonBox::Cancel));
    connect(global_, &QPushButton::clicked, this, [this] { Choose(kGlobal); });
    connect(local_, &QPushButton::clicked, this, [this] { Choose(kLocal); });
}

bool CNewWeatherDlg::OnInitDialog() {
    choice_ = kNone;
    global_->setEnabled(globalAllowed_);
    local_->setEnabled(localAllowed_);
    return Dialog::OnInitDialog();
}

void CNewWeatherDlg::OnCancel() {
    choice_ = kNone;
    Dialog::OnCancel();
}

void CNewWeatherDlg::Choose(int choice) {
    choice_ = choice;
    EndDialog(Accepted);
}

}  // namespace wxapp
