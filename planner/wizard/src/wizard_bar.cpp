#include "wizard/wizard_bar.h"

#include <QFrame>
#include <QStatusBar>
#include <algorithm>

namespace trevalo {
namespace {

// The bar's template, in dialog units: the wizard's frame at the top, the summary's below.
constexpr QSize kTemplateUnits{230, 512};
constexpr QRect kWizardFrameUnits{3, 0, 223, 331};
constexpr QRect kSummaryFrameUnits{3, 327, 223, 181};
// The sheets reach past their frames by these pixels.
constexpr int kSheetGrowth = 50;
constexpr int kSummaryBelowStatusBarTop = 10;

QFrame* InvisibleFrame() {
    auto* frame = new QFrame;
    frame->setFrameShape(QFrame::NoFrame);
    return frame;
}

}  // namespace

CWizardBar::CWizardBar(QMainWindow& frame, int id)
    : DialogBar(frame, id, Qt::LeftDockWidgetArea, kTemplateUnits), frame_(frame) {
    setWindowTitle(QStringLiteral("Wizard"));
    AddControl(InvisibleFrame(), kWizardFrame, kWizardFrameUnits);
    AddControl(InvisibleFrame(), kSummaryFrame, kSummaryFrameUnits);
}

CWizardBar::~CWizardBar() = default;

void CWizardBar::CreateSheets(const NavDatabase& database, Route& route, CWizardSheet::CompileFunction compile) {
    if (wizard_) return;
    wizard_ = std::make_unique<CWizardSheet>(database, route, std::move(compile));
    const QRect wizardPlace = ControlRect(kWizardFrame).adjusted(0, 0, kSheetGrowth, kSheetGrowth);
    wizard_->Create(&Client());
    wizard_->setGeometry(wizardPlace);

    summary_ = std::make_unique<CSummarySheet>();
    summary_->Create(&Client());
    QRect summaryPlace = ControlRect(kSummaryFrame).adjusted(0, 0, kSheetGrowth, 0);
    if (QStatusBar* status = frame_.statusBar()) {
        const int statusTop = Client().mapFrom(&frame_, status->geometry().topLeft()).y();
        summaryPlace.setBottom(statusTop + kSummaryBelowStatusBarTop);
    }
    summary_->setGeometry(summaryPlace);
    summary_->FitList();
    // The bar widens to show the sheets whole: the ends of their tab rows scroll.
    const int right = std::max(wizardPlace.right(), summaryPlace.right()) + 1;
    Client().setMinimumWidth(std::max(Client().minimumWidth(), right));
}

void CWizardBar::CreateAdventure() {
    if (wizard_) wizard_->CreateAdventure();
}

bool CWizardBar::LoadAdventure(const std::string& adfPath) { return wizard_ && wizard_->LoadAdventure(adfPath); }

void CWizardBar::ResetPages() {
    if (wizard_) wizard_->ResetPages();
}

}  // namespace trevalo
