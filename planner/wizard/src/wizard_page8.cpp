#include "wizard/wizard_page8.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "adf/plane_file.h"
#include "page_layout.h"
#include "platform/message_box.h"
#include "platform/numbers.h"
#include "platform/text.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/text.h"
#include "speed_fields.h"
#include "wizard/advanced_plane_dlg.h"

namespace trevalo {
namespace {

using W = CWizardPage8;
using P = adf::PlanePerformance;

const std::vector<SpeedField> kPageFields = {
    {"Crusing Alt:", W::kCruiseAltitude, 0, &P::cruiseAltitude},
    {"Landing Speed:", W::kLandingSpeed, W::kLandingSpeedMach, &P::landingSpeed},
    {"V1:", W::kV1, W::kV1Mach, &P::v1},
    {"Vr:", W::kVr, W::kVrMach, &P::vr},
    {"V2:", W::kV2, W::kV2Mach, &P::v2},
    {"Climb Speed:", W::kClimbSpeed, W::kClimbSpeedMach, &P::climbSpeed},
    {"Cruise Speed:", W::kCruiseSpeed, W::kCruiseSpeedMach, &P::cruiseSpeed},
    {"Descent Speed:", W::kDescentSpeed, W::kDescentSpeedMach, &P::descentSpeed},
    {"Final Flap:", W::kFinalFlaps, 0, &P::finalFlaps},
};

constexpr const char* kPlaneNotSavedMessage = "The plane's values could not be saved in\n%s";

}  // namespace

CWizardPage8::CWizardPage8(adf::PlaneValues& values, const adf::GeneralInfoValues& general, std::string baseDirectory)
    : PropertyPage("Planes"),
      values_(values),
      general_(general),
      baseDirectory_(std::move(baseDirectory)),
      speeds_(std::make_unique<SpeedEdits>()),
      plane_(qtplatform::WithId(new QComboBox, kPlane)),
      noFlaps_(qtplatform::WithId(new QCheckBox(QStringLiteral("No Flaps")), kNoFlaps)),
      advanced_(qtplatform::WithId(new QPushButton(QStringLiteral("&Advanced")), kAdvanced)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(plane_);
    auto* grid = new QGridLayout;
    speeds_->AddRows(*grid, kPageFields);
    layout->addLayout(grid);
    layout->addWidget(noFlaps_);
    layout->addWidget(
        qtplatform::WithId(new QCheckBox(QStringLiteral("Engine(s) off at start of adventure")), kEnginesOff));
    auto* buttons = new QHBoxLayout;
    auto* update = qtplatform::WithId(new QPushButton(QStringLiteral("&Update")), kUpdate);
    buttons->addWidget(update);
    buttons->addWidget(advanced_);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    AddHelpText(*layout, kHelp);

    connect(update, &QPushButton::clicked, this, [this] { OnUpdate(); });
    connect(advanced_, &QPushButton::clicked, this, [this] { OnAdvanced(); });
    connect(noFlaps_, &QCheckBox::clicked, this, [this] { OnNoFlaps(); });
    ApplyEditingState();
}

CWizardPage8::~CWizardPage8() = default;

void CWizardPage8::DoDataExchange(qtplatform::DataExchange& dx) {
    speeds_->Exchange(dx, values_.performance);
    dx.Check(kNoFlaps, values_.performance.noFlaps);
    dx.Check(kEnginesOff, values_.enginesOff);
    dx.Text(kHelp, values_.helpText);
}

// The controls show the values before a plane is loaded, since loading reads them first.
bool CWizardPage8::OnInitDialog() {
    const bool result = PropertyPage::OnInitDialog();
    FillPlaneCombo();
    speeds_->ConvertAll();
    return result;
}

bool CWizardPage8::OnSetActive() {
    const bool result = PropertyPage::OnSetActive();
    FillPlaneCombo();
    speeds_->ConvertAll();
    return result;
}

void CWizardPage8::OnPlaneChanged() { FillPlaneCombo(); }

void CWizardPage8::ShowValues() {
    if (!HasWindow()) return;
    UpdateData(false);
    speeds_->ConvertAll();
    ApplyEditingState();
}

adf::PlanePerformance CWizardPage8::GetPlaneData() {
    FillPlaneCombo();
    if (editing_) OnUpdate();
    return values_.performance;
}

// One entry, the general page's plane; a plane other than the one shown is loaded unless
// its values are being edited.
void CWizardPage8::FillPlaneCombo() {
    const QString shown = plane_->count() > 0 ? plane_->currentText() : QString();
    plane_->clear();
    plane_->setEnabled(false);
    if (general_.plane.empty()) return;
    const QString plane = qtplatform::ToQString(general_.plane);
    plane_->addItem(plane);
    plane_->setCurrentIndex(0);
    if (plane != shown && !editing_) LoadPlane();
}

void CWizardPage8::LoadPlane() {
    if (HasWindow()) UpdateData(true);
    const std::optional<adf::PlanePerformance> stored =
        adf::LoadPlane(adf::PlaneFilePath(baseDirectory_), qtplatform::FromQString(plane_->currentText()));
    values_.performance = stored.value_or(adf::PlanePerformance{});
    ShowValues();
}

void CWizardPage8::SavePlane() {
    values_.performance.planeName = qtplatform::FromQString(plane_->currentText());
    if (values_.performance.planeName.empty()) return;
    const std::string path = adf::PlaneFilePath(baseDirectory_);
    if (!adf::SavePlane(path, values_.performance))
        platform::MessageBox(platform::Format(kPlaneNotSavedMessage, path.c_str()), {}, platform::MbIcon::Information);
}

// Closed edits take no input; open, the final flaps only for a plane with flaps.
void CWizardPage8::ApplyEditingState() {
    for (QLineEdit* edit : speeds_->Edits()) edit->setEnabled(editing_);
    noFlaps_->setEnabled(editing_);
    advanced_->setEnabled(editing_);
    speeds_->EditOf(kFinalFlaps)->setEnabled(editing_ && !values_.performance.noFlaps);
}

void CWizardPage8::OnUpdate() {
    if (!UpdateData(true)) return;
    if (editing_) {
        editing_ = false;
        ApplyEditingState();
        SavePlane();
        return;
    }
    editing_ = true;
    adf::PlanePerformance& performance = values_.performance;
    if (performance.cruiseAltitude == adf::kNotSet)
        performance.cruiseAltitude = platform::LeadingInt(adf::kOpeningCruiseAltitude);
    if (performance.landingSpeed == adf::kNotSet)
        performance.landingSpeed = platform::LeadingInt(adf::kOpeningLandingSpeed);
    ShowValues();
}

void CWizardPage8::OnAdvanced() {
    if (!UpdateData(true)) return;
    CAdvancedPlaneDlg dialog(values_.performance, this);
    if (dialog.exec() == QDialog::Accepted) values_.performance = dialog.Performance();
    ShowValues();
}

void CWizardPage8::OnNoFlaps() {
    if (!UpdateData(true)) return;
    ApplyEditingState();
}

}  // namespace trevalo
