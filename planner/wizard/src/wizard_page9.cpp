#include "wizard/wizard_page9.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "adf/briefing_file.h"
#include "page_layout.h"
#include "platform/message_box.h"
#include "platform/text.h"
#include "qtplatform/control_ids.h"
#include "speed_fields.h"
#include "wizardcore/briefing_estimate.h"

namespace trevalo {
namespace {

// Small enough to leave the page's lower part free (see page_layout.h).
constexpr int kTextHeight = 90;

}  // namespace

CWizardPage9::CWizardPage9(adf::WizardValues& values, const Route& route)
    : PropertyPage("Briefing"),
      values_(values),
      route_(route),
      giveEstimatedTime_(NewPageCheck("Estimated time to complete", kGiveEstimatedTime)),
      giveDescription_(NewPageCheck("Description", kGiveDescription)),
      giveBriefing_(NewPageCheck("Briefing", kGiveBriefing)),
      userEstimate_(qtplatform::WithId(new QLineEdit, kUserEstimate)),
      description_(qtplatform::WithId(new QPlainTextEdit, kDescriptionText)),
      briefing_(qtplatform::WithId(new QPlainTextEdit, kBriefingText)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(NewPageCheck("Give Title", kGiveTitle));
    layout->addWidget(NewPageCheck("Give Plane Name", kGivePlaneName));
    layout->addWidget(NewPageCheck("Give Description of keys", kGiveKeyDescriptions));
    layout->addWidget(giveDescription_);
    layout->addWidget(description_);
    layout->addWidget(giveBriefing_);
    layout->addWidget(briefing_);
    layout->addWidget(giveEstimatedTime_);
    auto* times = new QGridLayout;
    times->addWidget(userEstimate_, 0, 0);
    times->addWidget(new QLabel(QStringLiteral("Est.")), 0, 1);
    auto* computed = qtplatform::WithId(new QLineEdit, kComputedEstimate);
    computed->setReadOnly(true);
    times->addWidget(computed, 0, 2);
    layout->addLayout(times);
    AddHelpText(*layout, kHelp);
    for (QPlainTextEdit* text : {description_, briefing_}) text->setMaximumHeight(kTextHeight);
    for (QCheckBox* box : {giveEstimatedTime_, giveDescription_, giveBriefing_})
        connect(box, &QCheckBox::clicked, this, [this] { Refresh(); });
}

void CWizardPage9::DoDataExchange(qtplatform::DataExchange& dx) {
    adf::BriefingValues& briefing = values_.briefing;
    dx.Check(kGiveTitle, briefing.giveTitle);
    dx.Check(kGivePlaneName, briefing.givePlaneName);
    dx.Check(kGiveKeyDescriptions, briefing.giveKeyDescriptions);
    dx.Check(kGiveEstimatedTime, briefing.giveEstimatedTime);
    dx.Check(kGiveDescription, briefing.giveDescription);
    dx.Text(kDescriptionText, briefing.descriptionText);
    dx.Check(kGiveBriefing, briefing.giveBriefing);
    dx.Text(kBriefingText, briefing.briefingText);
    dx.Text(kUserEstimate, briefing.userEstimate);
    dx.Text(kComputedEstimate, briefing.computedEstimate);
    dx.Text(kHelp, briefing.helpText);
}

bool CWizardPage9::OnInitDialog() {
    const bool result = PropertyPage::OnInitDialog();
    Refresh();
    return result;
}

bool CWizardPage9::OnSetActive() {
    const bool result = PropertyPage::OnSetActive();
    Refresh();
    return result;
}

void CWizardPage9::ShowValues() {
    if (HasWindow()) UpdateData(false);
    Refresh();
}

void CWizardPage9::Refresh() {
    if (HasWindow() && !UpdateData(true)) return;
    ComputeEstimate();
    if (HasWindow()) UpdateData(false);
    ApplySwitches();
}

bool CWizardPage9::WriteBriefingFile(const std::string& path) {
    if (platform::Trimmed(path).empty()) return false;
    if (HasWindow()) UpdateData(true);
    ComputeEstimate();
    if (adf::WriteBriefingFile(path, adf::ComposeBriefing(values_, values_.briefing.computedEstimate))) return true;
    platform::MessageBox(adf::kBriefingNotCreatedMessage, {}, platform::MbIcon::Information);
    return false;
}

void CWizardPage9::ComputeEstimate() {
    values_.briefing.computedEstimate =
        RouteEstimate(route_.Points(), PerformanceText(values_.plane.performance.cruiseSpeed));
}

void CWizardPage9::ApplySwitches() {
    const adf::BriefingValues& briefing = values_.briefing;
    userEstimate_->setEnabled(briefing.giveEstimatedTime != 0);
    description_->setEnabled(briefing.giveDescription != 0);
    briefing_->setEnabled(briefing.giveBriefing != 0);
}

}  // namespace trevalo
