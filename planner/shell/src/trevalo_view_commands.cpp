// The map view's commands in the main frame: menus, toolbar buttons, the navaid pop-up,
// and the checks and enabled states that follow the view.
#include <QMainWindow>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

#include "mapview/map_view_commands.h"
#include "qtplatform/command_table.h"
#include "qtplatform/text.h"
#include "shell/trevalo_view.h"

namespace trevalo {
namespace {

using qtplatform::BindCommand;
using qtplatform::FindCommand;

// The pop-up opens this many pixels right of and below the button's lower left corner.
constexpr int kPopupOffset = 3;

}  // namespace

void CTrevaloView::InstallCommands(QMainWindow* frame) {
    frame_ = frame;
    qtplatform::BuildCommands(frame, MapViewCommands(), {});
    qtplatform::BuildCommands(frame, NavaidPopupCommands(), {});

    BindCommand(frame, kCmdZoomIn, [this] { OnZoomIn(); });
    BindCommand(frame, kCmdZoomOut, [this] { OnZoomOut(); });
    BindCommand(frame, kCmdZoomDefault, [this] { OnZoomDefault(); });
    BindCommand(frame, kCmdScaleToFit, [this] { OnScaleToFit(); });
    BindCommand(frame, kCmdResizeParentToFit, [this] { OnResizeParentToFit(); });
    BindCommand(frame, kCmdUpperLeft, [this] { OnUpperLeft(); });
    BindCommand(frame, kCmdTrackMode, [this] { OnTrackMode(); })->setCheckable(true);
    BindCommand(frame, kCmdNavaidPopup, [this] { ShowNavaidPopup(); });
    BindCommand(frame, kCmdMapUndoSelection, [this] { OnUndoSelection(); });
    BindCommand(frame, kCmdMapFileNew, [this] { OnFileNew(); });
    BindCommand(frame, kCmdMapCreateAdventure, [this] { OnCreateAdventure(); });
    for (const SwitchCommand& command : MapSwitchCommands())
        BindCommand(frame, command.id, [this, &command] { OnToggleSwitch(command); })->setCheckable(true);
    // Create SID/STAR waits for its editor: it stays disabled until then.

    navaidPopup_ = new QMenu(frame);
    for (const qtplatform::CommandSpec& command : NavaidPopupCommands())
        navaidPopup_->addAction(FindCommand(frame, command.id));

    if (auto* bar = frame->findChild<QToolBar*>()) {
        for (const MapToolbarButton& button : MapToolbarButtons()) {
            if (button.id == 0) {
                bar->addSeparator();
                continue;
            }
            QAction* action = FindCommand(frame, button.id);
            action->setIconText(qtplatform::ToQString(button.label));
            bar->addAction(action);
        }
    }
    UpdateCommandStates();
}

void CTrevaloView::UpdateCommandStates() {
    if (frame_ == nullptr) return;
    for (const SwitchCommand& command : MapSwitchCommands()) {
        if (QAction* action = FindCommand(frame_, command.id)) action->setChecked(switches_.*command.flag);
    }
    if (QAction* action = FindCommand(frame_, kCmdTrackMode)) action->setChecked(trackMode_ == TrackMode::Hand);
    if (QAction* action = FindCommand(frame_, kCmdMapUndoSelection)) action->setEnabled(route_.CanUndo());
    if (QAction* action = FindCommand(frame_, kCmdMapFindLocation); action != nullptr && findDialog_ && !action->isEnabled())
        BindCommand(frame_, kCmdMapFindLocation, [this] { OnFindLocation(); });
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
