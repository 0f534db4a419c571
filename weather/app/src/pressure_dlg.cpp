#include "wxapp/pressure_dlg.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>
#include <charconv>

#include "qtplatform/control_ids.h"
#include "qtplatform/dialog_buttons.h"

namespace wxapp {

CPressureDlg::CPressureDlg(QWidget* parent) : Dialog(parent) {
    setWindowTitle(QStringLiteral("Edit Pressure"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Presure"), qtplatform::WithId(new QLineEdit, kPressure));
    layout->addLayout(form);
    layout->addWidget(qtplatform::DialogButtons(*this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel));
}

void CPressureDlg::SetPressure(float pressure) {
    // The shortest text that reads back as the same float, read as a double, so that the
    // edit shows "1012.2" and an unchanged value comes back as the stored float.
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, pressure).ptr;
    std::from_chars(text, end, pressure_);
}

void CPressureDlg::DoDataExchange(qtplatform::DataExchange& dx) { dx.Double(kPressure, pressure_); }

}  // namespace wxapp
