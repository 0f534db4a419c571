#include "wizard/wizard_bar.h"

#include <QEvent>
#include <QFrame>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
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
// What a short bar keeps of each sheet: the summary's tab and a few lines, the wizard's
// tabs and a few rows of its page, which scrolls.
constexpr int kSummaryMinimumHeight = 120;
constexpr int kWizardMinimumHeight = 160;
constexpr int kSheetGap = 2;

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
    wizard_->Create(&Client());
    // The pages scroll when the bar is too short to show them whole.
    wizardScroll_ = new QScrollArea(&Client());
    wizardScroll_->setFrameShape(QFrame::NoFrame);
    wizardScroll_->setWidgetResizable(true);
    wizardScroll_->setWidget(wizard_.get());
    wizard_->show();
    wizardScroll_->show();

    summary_ = std::make_unique<CSummarySheet>();
    summary_->Create(&Client());

    // The bar widens to show the sheets whole (the ends of their tab rows scroll), with
    // room for the pages' scroll bar; it may be shorter than its template.
    const int right = ControlRect(kWizardFrame).left() + WizardWidth();
    Client().setMinimumWidth(std::max(Client().minimumWidth(), right));
    Client().setMinimumHeight(kWizardMinimumHeight + kSheetGap + kSummaryMinimumHeight);
    Client().installEventFilter(this);
    PlaceSheets();
}

bool CWizardBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &Client() && event->type() == QEvent::Resize) PlaceSheets();
    return DialogBar::eventFilter(watched, event);
}

// The wizard's place grown by 50 pixels, or what its widest page needs, and the pages'
// scroll bar beside it.
int CWizardBar::WizardWidth() const {
    const int sheet = std::max(ControlRect(kWizardFrame).width() + kSheetGrowth, wizard_->minimumSizeHint().width());
    return sheet + wizardScroll_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

void CWizardBar::PlaceSheets() {
    if (!wizard_ || !summary_) return;
    // The summary reaches below the top of the frame's status bar; without one, to the
    // bar's bottom.
    int bottom = Client().height() - 1;
    if (QStatusBar* status = frame_.statusBar())
        bottom = Client().mapFrom(&frame_, status->geometry().topLeft()).y() + kSummaryBelowStatusBarTop;

    // The wizard takes its template place grown by 50 pixels, or what its largest page
    // needs, and the summary the rest below it; a short bar keeps the summary's least
    // height and the wizard's pages scroll.
    QRect wizardPlace = ControlRect(kWizardFrame).adjusted(0, 0, kSheetGrowth, kSheetGrowth);
    const int wanted = std::max(wizardPlace.height(), wizard_->minimumSizeHint().height());
    const int room = bottom - wizardPlace.top() + 1 - kSheetGap - kSummaryMinimumHeight;
    wizardPlace.setHeight(std::max(std::min(wanted, room), kWizardMinimumHeight));
    wizardPlace.setWidth(WizardWidth());
    wizardScroll_->setGeometry(wizardPlace);

    QRect summaryPlace = ControlRect(kSummaryFrame).adjusted(0, 0, kSheetGrowth, 0);
    summaryPlace.setTop(wizardPlace.bottom() + 1 + kSheetGap);
    // One width for both sheets, so their right edges line up.
    summaryPlace.setWidth(wizardPlace.width());
    summaryPlace.setBottom(std::max(bottom, summaryPlace.top() + kSummaryMinimumHeight - 1));
    summary_->setGeometry(summaryPlace);
    summary_->FitList();
}

void CWizardBar::CreateAdventure() {
    if (wizard_) wizard_->CreateAdventure();
}

bool CWizardBar::LoadAdventure(const std::string& adfPath) { return wizard_ && wizard_->LoadAdventure(adfPath); }

void CWizardBar::ResetPages() {
    if (wizard_) wizard_->ResetPages();
}

}  // namespace trevalo
