// The map view's commands in the main frame: what each runs, the checks and enabled states
// that follow the view, and the navaid pop-up. The commands themselves, with their menus
// and toolbar buttons, are the planner's command table.
#include <QMainWindow>
#include <QMenu>
#include <QToolBar>

#include "planner_commands.h"
#include "qtplatform/command_table.h"
#include "shell/command_ids.h"
#include "shell/trevalo_view.h"

namespace trevalo {
namespace {

using qtplatform::CommandUI;
using qtplatform::FindCommand;

// The pop-up opens this many pixels right of and below the button's lower left corner.
constexpr int kPopupOffset = 3;

}  // namespace

void CTrevaloView::InstallCommands(QMainWindow* frame) {
    frame_ = frame;
    // Each binding goes with the view.
    const auto bind = [this, frame](int id, qtplatform::CommandHandler handler) {
        qtplatform::BindCommand(frame, id, std::move(handler), this);
    };
    const auto update = [this, frame](int id, qtplatform::UpdateHandler handler) {
        qtplatform::BindCommandUpdate(frame, id, std::move(handler), this);
    };
    bind(kCmdZoomIn, [this] { OnZoomIn(); });
    bind(kCmdZoomOut, [this] { OnZoomOut(); });
    bind(kCmdZoomDefault, [this] { OnZoomDefault(); });
    bind(kCmdScaleToFit, [this] { OnScaleToFit(); });
    bind(kCmdResizeParentToFit, [this] { OnResizeParentToFit(); });
    bind(kCmdUpperLeft, [this] { OnUpperLeft(); });
    bind(kCmdTrackMode, [this] { OnTrackMode(); });
    update(kCmdTrackMode, [this](CommandUI& ui) { ui.SetCheck(trackMode_ == TrackMode::Hand); });
    bind(kCmdNavaidPopup, [this] { ShowNavaidPopup(); });
    bind(kCmdUndoLastSelection, [this] { OnUndoSelection(); });
    update(kCmdUndoLastSelection, [this](CommandUI& ui) { ui.Enable(route_.CanUndo()); });
    bind(kCmdFindLocation, [this] { OnFindLocation(); });
    update(kCmdFindLocation, [this](CommandUI& ui) { ui.Enable(static_cast<bool>(findDialog_)); });
    bind(kCmdFileNew, [this] { OnFileNew(); });
    bind(kCmdCreateAdventure, [this] { OnCreateAdventure(); });
    for (const SwitchCommand& command : MapSwitchCommands()) {
        bind(command.id, [this, &command] { OnToggleSwitch(command); });
        update(command.id, [this, &command](CommandUI& ui) { ui.SetCheck(switches_.*command.flag); });
    }
    bind(kCmdCreateSidStar, [this] { OnCreateSidStar(); });

    navaidPopup_ = new QMenu(frame);
    for (const qtplatform::CommandSpec& command : NavaidPopupCommands())
        navaidPopup_->addAction(FindCommand(frame, command.id));
}

void CTrevaloView::ShowNavaidPopup() {
    if (navaidPopup_ == nullptr || frame_ == nullptr) return;
    QPoint at = mapToGlobal(QPoint(0, 0));
    auto* bar = frame_->findChild<QToolBar*>();
    if (QWidget* button = bar ? bar->widgetForAction(FindCommand(frame_, kCmdNavaidPopup)) : nullptr)
        at = button->mapToGlobal(button->rect().bottomLeft());
    navaidPopup_->popup(at + QPoint(kPopupOffset, kPopupOffset));
}

}  // namespace trevalo
