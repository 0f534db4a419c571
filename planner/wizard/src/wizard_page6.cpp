#include "wizard/wizard_page6.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "page_layout.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/up_down_buttons.h"

namespace trevalo {
namespace {

struct FailureItem {
    int id;
    const char* caption;
    int adf::EmergencyValues::*member;
};

using E = adf::EmergencyValues;
using P = CWizardPage6;
// The nineteen items in the page's order: ADF to vertical speed.
constexpr FailureItem kFailureItems[] = {
    {P::kAdf, "Adf ", &E::adf},
    {P::kAirspeedIndicator, "Air Speed indicator ", &E::airspeedIndicator},
    {P::kAltimeter, "Altimiter ", &E::altimeter},
    {P::kAttitudeIndicator, "Attitude indicator ", &E::attitudeIndicator},
    {P::kAutopilot, "Auto pilot ", &E::autopilot},
    {P::kEngine1, "Engine 1 ", &E::engine1},
    {P::kEngine2, "Engine 2 ", &E::engine2},
    {P::kEngine3, "Engine 3 ", &E::engine3},
    {P::kEngine4, "Engine 4 ", &E::engine4},
    {P::kGear1, "Gear 1 ", &E::gear1},
    {P::kGear2, "Gear 2 ", &E::gear2},
    {P::kGear3, "Gear 3 ", &E::gear3},
    {P::kHeadingIndicator, "Heading Indicator ", &E::headingIndicator},
    {P::kNav, "Nav ", &E::nav},
    {P::kPanelLight, "Panel Light ", &E::panelLight},
    {P::kStrobe, "Strobe ", &E::strobe},
    {P::kTransponder, "Transponder ", &E::transponder},
    {P::kTurnCoordinator, "Turn Coordinator", &E::turnCoordinator},
    {P::kVerticalSpeed, "Vertical speed ", &E::verticalSpeed},
};
constexpr int kFailureRows = 10;

}  // namespace

CWizardPage6::CWizardPage6(adf::EmergencyValues& values)
    : PropertyPage("Emergency"),
      values_(values),
      selectAll_(qtplatform::WithId(new QPushButton(kSelectAllCaption), kSelectAll)),
      crash_(qtplatform::WithId(new QPushButton(QStringLiteral("Crash >")), kCrash)) {
    auto* layout = new QVBoxLayout(this);
    auto* items = new QGridLayout;
    for (int i = 0; i < static_cast<int>(std::size(kFailureItems)); ++i)
        items->addWidget(NewPageCheck(kFailureItems[i].caption, kFailureItems[i].id), i % kFailureRows,
                         i / kFailureRows);
    layout->addLayout(items);

    auto* percentRow = new QHBoxLayout;
    percentRow->addWidget(new QLabel(QStringLiteral("Failure chance (%):")));
    percentRow->addWidget(qtplatform::WithId(new QLineEdit, kPercent));
    percentRow->addWidget(
        qtplatform::WithId(new qtplatform::UpDownButtons([this](int delta) { OnPercentSpin(delta); }), kPercentSpin));
    percentRow->addStretch(1);
    layout->addLayout(percentRow);
    layout->addWidget(NewPageCheck("Display when fails", kDisplayWhenFails));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(selectAll_);
    buttons->addWidget(crash_);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    AddHelpText(*layout, kHelp);

    connect(selectAll_, &QPushButton::clicked, this, [this] { OnSelectAll(); });
    connect(crash_, &QPushButton::clicked, this, [this] { OnCrash(); });
}

void CWizardPage6::DoDataExchange(qtplatform::DataExchange& dx) {
    for (const FailureItem& item : kFailureItems) dx.Check(item.id, values_.*item.member);
    dx.Check(kDisplayWhenFails, values_.displayWhenFails);
    // A refused chance is not taken, so the values always hold one within range.
    int chance = values_.failureChance;
    dx.Int(kPercent, chance);
    dx.MinMaxInt(chance, 0, adf::kMaxFailureChance);
    if (!dx.failed()) values_.failureChance = chance;
    dx.Text(kHelp, values_.helpText);
}

void CWizardPage6::ShowValues() {
    selectAll_->setText(kSelectAllCaption);
    if (HasWindow()) UpdateData(false);
}

void CWizardPage6::OnPercentSpin(int delta) {
    if (!UpdateData(true)) return;
    values_.failureChance = std::clamp(values_.failureChance - delta, 0, adf::kMaxFailureChance);
    UpdateData(false);
}

void CWizardPage6::OnSelectAll() {
    if (!UpdateData(true)) return;
    const bool select = selectAll_->text() == kSelectAllCaption;
    selectAll_->setText(select ? kResetAllCaption : kSelectAllCaption);
    for (const FailureItem& item : kFailureItems) values_.*item.member = select ? 1 : 0;
    values_.displayWhenFails = select ? 1 : 0;
    UpdateData(false);
}

// Under the button, centred on it.
void CWizardPage6::OnCrash() {
    if (crashMenu_ == nullptr) return;
    const QSize size = crashMenu_->sizeHint();
    const QPoint below = crash_->mapToGlobal(QPoint(crash_->width() / 2, crash_->height()));
    crashMenu_->popup(QPoint(below.x() - size.width() / 2, below.y()));
}

}  // namespace trevalo
