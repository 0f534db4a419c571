#include "shell/main_frame.h"

#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>

#include "periphery/config_dlg.h"
#include "planner_commands.h"
#include "program_closing.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/text.h"
#include "shell/child_frame.h"
#include "shell/command_ids.h"
#include "shell/compile_adventure.h"
#include "shell/status_panes.h"
#include "shell/trevalo_app.h"
#include "shell/trevalo_view.h"
#include "wizard/wizard_bar.h"

namespace trevalo {
namespace {

constexpr const char* kIdleMessage = "Ready";
// Wide enough for "*Out of Map*" and the longest position text.
constexpr int kPositionPaneWidth = 96;
constexpr int kLockPaneWidth = 36;
constexpr int kLockPanes = 3;  // caps lock, num lock, scroll lock

}  // namespace

CMainFrame::CMainFrame() {
    setWindowTitle(kProgramTitle);
    mdiArea_ = new QMdiArea(this);
    mdiArea_->setBackground(palette().dark());
    setCentralWidget(mdiArea_);
}

CMainFrame::~CMainFrame() { CloseStartedProgram(editor_); }

bool CMainFrame::OnCreate() {
    qtplatform::BuildCommands(this, PlannerCommands(), PlannerAccelerators());
    qtplatform::BuildCommands(this, NavaidPopupCommands(), {});
    if (!CreateToolBar() || !CreateStatusBar()) return false;
    CreateCrashMenu();
    wizardBar_ = new CWizardBar(*this, kCmdViewWizardBar);
    BindFrameCommands();
    return true;
}

bool CMainFrame::CompileAdventure(std::string sourcePath) { return trevalo::CompileAdventure(sourcePath); }

void CMainFrame::CreateAdventure() { wizardBar_->CreateAdventure(); }

bool CMainFrame::LoadAdventure(const std::string& adfPath) { return wizardBar_->LoadAdventure(adfPath); }

bool CMainFrame::CreateToolBar() {
    toolBar_ = addToolBar(QStringLiteral("Toolbar"));
    if (toolBar_ == nullptr) return false;
    toolBar_->setObjectName(QStringLiteral("toolbar"));
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return qtplatform::AddToolbarButtons(*toolBar_, *this, PlannerToolbar());
}

bool CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    if (bar == nullptr) return false;
    bar->showMessage(kIdleMessage);
    longitudePane_ = qtplatform::WithId(new QLabel(bar), kPaneLongitude);
    latitudePane_ = qtplatform::WithId(new QLabel(bar), kPaneLatitude);
    for (QLabel* pane : {longitudePane_, latitudePane_}) {
        pane->setMinimumWidth(kPositionPaneWidth);
        pane->setAlignment(Qt::AlignCenter);
        bar->addPermanentWidget(pane);
    }
    // Qt reports no lock-key state, so the three lock panes keep their place but stay blank.
    for (int i = 0; i < kLockPanes; ++i) {
        auto* pane = new QLabel(bar);
        pane->setMinimumWidth(kLockPaneWidth);
        bar->addPermanentWidget(pane);
    }
    OnUpdateLongitude();
    OnUpdateLatitude();
    return true;
}

void CMainFrame::CreateCrashMenu() {
    qtplatform::BuildCommands(this, CrashMenuCommands(), {});
    crashMenu_ = new QMenu(this);
    for (const qtplatform::CommandSpec& command : CrashMenuCommands()) {
        if (command.separatorBefore) crashMenu_->addSeparator();
        crashMenu_->addAction(qtplatform::FindCommand(this, command.id));
    }
}

adf::EmergencyValues* CMainFrame::CrashValues() const {
    CWizardSheet* wizard = wizardBar_ != nullptr ? wizardBar_->WizardSheet() : nullptr;
    return wizard != nullptr ? &wizard->Values().emergency : nullptr;
}

void CMainFrame::BindCrashCommands() {
    using qtplatform::CommandUI;
    struct ModeCommand {
        int id;
        int mode;
    };
    constexpr ModeCommand kModes[] = {
        {kCmdIgnoreCrash, adf::kIgnoreCrash},
        {kCmdCrashDetectReset, adf::kDetectCrashAndReset},
        {kCmdCrashShowGraph, adf::kDetectCrashAndShowGraph},
    };
    for (const ModeCommand& command : kModes) {
        qtplatform::BindCommand(this, command.id, [this, mode = command.mode] {
            if (adf::EmergencyValues* values = CrashValues()) values->crashMode = mode;
        });
        qtplatform::BindCommandUpdate(this, command.id, [this, mode = command.mode](CommandUI& ui) {
            const adf::EmergencyValues* values = CrashValues();
            ui.Enable(values != nullptr);
            ui.SetCheck(values != nullptr && values->crashMode == mode);
        });
    }
    struct FlagCommand {
        int id;
        int adf::EmergencyValues::*flag;
    };
    constexpr FlagCommand kFlags[] = {
        {kCmdStressDamage, &adf::EmergencyValues::stressDamage},
        {kCmdOffRunwayCrash, &adf::EmergencyValues::offRunwayCrash},
        {kCmdCollideScenery, &adf::EmergencyValues::collideWithScenery},
    };
    for (const FlagCommand& command : kFlags) {
        qtplatform::BindCommand(this, command.id, [this, flag = command.flag] {
            if (adf::EmergencyValues* values = CrashValues()) values->*flag = values->*flag != 0 ? 0 : 1;
        });
        // While crashes are ignored the flags keep their ticks but cannot be changed.
        qtplatform::BindCommandUpdate(this, command.id, [this, flag = command.flag](CommandUI& ui) {
            const adf::EmergencyValues* values = CrashValues();
            ui.SetCheck(values != nullptr && values->*flag != 0);
            ui.Enable(values != nullptr && values->crashMode != adf::kIgnoreCrash);
        });
    }
}

void CMainFrame::BindFrameCommands() {
    using qtplatform::BindCommand;
    using qtplatform::BindCommandUpdate;
    using qtplatform::CommandUI;
    BindCrashCommands();
    BindCommand(this, kCmdAppExit, [this] { close(); });
    BindCommand(this, kCmdLaunchEditor, [this] { OnLaunchEditor(); });
    BindCommand(this, kCmdViewToolbar, [this] { toolBar_->setVisible(!toolBar_->isVisibleTo(this)); });
    BindCommandUpdate(this, kCmdViewToolbar, [this](CommandUI& ui) { ui.SetCheck(toolBar_->isVisibleTo(this)); });
    BindCommand(this, kCmdViewStatusBar, [this] { statusBar()->setVisible(!statusBar()->isVisibleTo(this)); });
    BindCommandUpdate(this, kCmdViewStatusBar, [this](CommandUI& ui) { ui.SetCheck(statusBar()->isVisibleTo(this)); });
    BindCommand(this, kCmdViewWizardBar, [this] { wizardBar_->setVisible(!wizardBar_->isVisibleTo(this)); });
    BindCommandUpdate(this, kCmdViewWizardBar, [this](CommandUI& ui) { ui.SetCheck(wizardBar_->isVisibleTo(this)); });
    // Ctrl-I reaches the configuration by the page-setup id.
    for (int id : {kCmdConfiguration, kCmdPageSetupChanged}) BindCommand(this, id, [this] { OnConfiguration(); });
}

void CMainFrame::OnConfiguration() {
    CConfigDlg dialog(this);
    dialog.exec();
    if (CTrevaloView* view = GetActiveMapView()) view->viewport()->update();
}

void CMainFrame::AddChildFrame(CChildFrame* frame) {
    mdiArea_->addSubWindow(frame);
    frame->showMaximized();
}

CTrevaloView* CMainFrame::GetActiveMapView() const {
    auto* frame = dynamic_cast<CChildFrame*>(mdiArea_->activeSubWindow());
    if (frame == nullptr && !mdiArea_->subWindowList().isEmpty())
        frame = dynamic_cast<CChildFrame*>(mdiArea_->subWindowList().front());
    return frame == nullptr ? nullptr : frame->View();
}

void CMainFrame::SetCursorPosition(std::int32_t longitude, std::int32_t latitude) {
    cursorLongitude_ = longitude;
    cursorLatitude_ = latitude;
    OnUpdateLongitude();
    OnUpdateLatitude();
}

void CMainFrame::OnUpdateLongitude() {
    longitudePane_->setText(qtplatform::ToQString(FormatLongitudePane(cursorLongitude_)));
}

void CMainFrame::OnUpdateLatitude() {
    latitudePane_->setText(qtplatform::ToQString(FormatLatitudePane(cursorLatitude_)));
}

}  // namespace trevalo
