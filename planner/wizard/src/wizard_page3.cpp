#include "wizard/wizard_page3.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "qtplatform/control_ids.h"
#include "qtplatform/text.h"

namespace trevalo {

CWizardPage3::CWizardPage3(const LandingProcedures& procedures)
    : PropertyPage("Flight Plan"),
      plan_(procedures),
      enable_(qtplatform::WithId(new QCheckBox(QStringLiteral("Enable Flight Planning")), kEnableFlightPlanning)),
      type_(qtplatform::WithId(new QComboBox, kType)),
      altitude_(qtplatform::WithId(new QLineEdit, kAltitude)),
      description_(qtplatform::WithId(new QLineEdit, kDescription)),
      title_(qtplatform::WithId(new QLineEdit, kTitle)),
      routeList_(qtplatform::WithId(new QListWidget, kRouteList)) {
    for (const char* type : kFlightPlanTypes) type_->addItem(QString::fromLatin1(type));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(enable_);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Title"), title_);
    form->addRow(QStringLiteral("Description"), description_);
    form->addRow(QStringLiteral("Type"), type_);
    form->addRow(QStringLiteral("Altitude"), altitude_);
    layout->addLayout(form);
    layout->addWidget(routeList_, 1);
    auto* help = qtplatform::WithId(new QLabel, kHelp);
    help->setWordWrap(true);
    layout->addWidget(help);
    connect(enable_, &QCheckBox::clicked, this, [this] { OnEnableFlightPlanning(); });
    // A double click on the list does nothing.
}

void CWizardPage3::DoDataExchange(qtplatform::DataExchange& dx) {
    FlightPlanValues& values = plan_.Values();
    dx.Check(kEnableFlightPlanning, values.enabled);
    dx.Text(kTitle, values.title);
    dx.Text(kDescription, values.description);
    dx.Text(kType, values.type);
    dx.Text(kAltitude, values.altitude);
    dx.Text(kHelp, help_);
}

// The type list starts on its first entry, the model's default.
bool CWizardPage3::OnInitDialog() {
    const bool result = PropertyPage::OnInitDialog();
    ApplyEnableRule();
    ShowPlan();
    return result;
}

bool CWizardPage3::OnSetActive() {
    plan_.Refresh();
    const bool result = PropertyPage::OnSetActive();
    ShowPlan();
    return result;
}

void CWizardPage3::SetRouteRecord(int index, int altitude, const std::string& extra, const std::string& ident,
                                  const std::string& type, const std::string& latitude, const std::string& longitude,
                                  const std::string& routeText, const std::string& recordLine) {
    if (plan_.SetRouteRecord(index, {altitude, ident, type, latitude, longitude, routeText, recordLine, extra}))
        ShowPlan();
}

std::vector<RouteListEntry> CWizardPage3::RouteListEntries() const {
    std::vector<RouteListEntry> entries;
    for (const RouteRecord& record : plan_.Plan().Records())
        entries.push_back({record.ident, record.type, record.latitude, record.longitude});
    return entries;
}

void CWizardPage3::OnEnableFlightPlanning() {
    plan_.Values().enabled = enable_->isChecked();
    ApplyEnableRule();
}

void CWizardPage3::ApplyEnableRule() {
    const bool enabled = plan_.Values().enabled;
    for (QWidget* control : std::initializer_list<QWidget*>{routeList_, type_, altitude_, description_, title_})
        control->setEnabled(enabled);
}

void CWizardPage3::ShowPlan() {
    routeList_->clear();
    for (const std::string& line : plan_.PreviewLines()) routeList_->addItem(qtplatform::ToQString(line));
    title_->setText(qtplatform::ToQString(plan_.Values().title));
    description_->setText(qtplatform::ToQString(plan_.Values().description));
    if (baseAltitudeChanged_) baseAltitudeChanged_(plan_.HighestAltitude());
}

void CWizardPage3::Reset() {
    if (HasWindow()) UpdateData(true);
    plan_.Reset();
    if (!HasWindow()) return;
    UpdateData(false);
    ApplyEnableRule();
    ShowPlan();
}

}  // namespace trevalo
