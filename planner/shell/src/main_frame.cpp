#include "shell/main_frame.h"

#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>
#include <array>

#include "planner_commands.h"
#include "program_closing.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/text.h"
#include "shell/child_frame.h"
#include "shell/command_ids.h"
#include "shell/status_panes.h"
#include "shell/trevalo_app.h"

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
    if (!CreateToolBar() || !CreateStatusBar()) return false;
    CreateCrashMenu();
    BindFrameCommands();
    // The wizard bar docks at the left once the wizard exists; until then its command
    // stays disabled.
    return true;
}

bool CMainFrame::CreateToolBar() {
    toolBar_ = addToolBar(QStringLiteral("Toolbar"));
    if (toolBar_ == nullptr) return false;
    toolBar_->setObjectName(QStringLiteral("toolbar"));
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (const ToolbarButton& button : PlannerToolbar()) {
        if (button.id == 0) {
            toolBar_->addSeparator();
            continue;
        }
        QAction* action = qtplatform::FindCommand(this, button.id);
        if (action == nullptr) return false;
        action->setIconText(qtplatform::ToQString(std::string(button.label)));
        action->setToolTip(qtplatform::ToQString(std::string(button.toolTip)));
        action->setStatusTip(action->toolTip());  // fly-by help in the message pane
        toolBar_->addAction(action);
    }
    return true;
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
        QAction* action = qtplatform::FindCommand(this, command.id);
        action->setCheckable(true);
        crashMenu_->addAction(action);
    }
    connect(crashMenu_, &QMenu::aboutToShow, this, [this] { UpdateCrashMenu(); });
}

void CMainFrame::UpdateCrashMenu() {
    struct ModeEntry {
        int id;
        CrashMode mode;
    };
    constexpr ModeEntry kModes[] = {{kCmdIgnoreCrash, CrashMode::Ignore},
                                    {kCmdCrashDetectReset, CrashMode::DetectAndReset},
                                    {kCmdCrashShowGraph, CrashMode::DetectAndShowGraph}};
    for (const ModeEntry& entry : kModes)
        qtplatform::FindCommand(this, entry.id)->setChecked(crashOptions_.mode == entry.mode);

    const bool detecting = crashOptions_.mode != CrashMode::Ignore;
    const std::array<std::pair<int, std::uint8_t>, 3> flags = {{
        {kCmdStressDamage, crashOptions_.stressCausesDamage},
        {kCmdOffRunwayCrash, crashOptions_.offRunwayCrash},
        {kCmdCollideScenery, crashOptions_.collideWithScenery},
    }};
    for (const auto& [id, value] : flags) {
        QAction* action = qtplatform::FindCommand(this, id);
        action->setChecked(value != 0);
        action->setEnabled(detecting);
    }
}

void CMainFrame::BindFrameCommands() {
    using qtplatform::BindCommand;
    BindCommand(this, kCmdIgnoreCrash, [this] { OnIgnoreCrash(); });
    BindCommand(this, kCmdCrashDetectReset, [this] { OnCrashDetectReset(); });
    BindCommand(this, kCmdCrashShowGraph, [this] { OnCrashShowGraph(); });
    BindCommand(this, kCmdStressDamage, [this] { OnStressDamage(); });
    BindCommand(this, kCmdOffRunwayCrash, [this] { OnOffRunwayCrash(); });
    BindCommand(this, kCmdCollideScenery, [this] { OnCollideScenery(); });
    UpdateCrashMenu();

    BindCommand(this, kCmdAppExit, [this] { close(); });
    QAction* toolbar = BindCommand(this, kCmdViewToolbar, [this] { toolBar_->setVisible(!toolBar_->isVisible()); });
    QAction* status = BindCommand(this, kCmdViewStatusBar, [this] { statusBar()->setVisible(!statusBar()->isVisible()); });
    for (QAction* action : {toolbar, status}) {
        action->setCheckable(true);
        action->setChecked(true);
    }
    // The configuration dialog (both of its ids), the editor launch and the wizard bar are
    // bound when their code exists; until then they stay disabled.
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
