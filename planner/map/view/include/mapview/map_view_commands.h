// Command ids and the command table of the map view: zoom, fit and scrolling, the track
// mode, the display switches (with the navaid pop-up menu), and the route and find
// commands that the view adds to the planner's menus.
#pragma once

#include <span>

#include "mapview/display_switches.h"
#include "mapview/export.h"
#include "qtplatform/command_table.h"

namespace trevalo {

enum MapCommandId : int {
    kCmdZoomDefault = 32771,
    kCmdZoomIn = 32772,
    kCmdZoomOut = 32773,
    kCmdScaleToFit = 32780,
    kCmdResizeParentToFit = 32781,
    kCmdUpperLeft = 32782,
    kCmdTrackMode = 32784,
    kCmdNavaidPopup = 32785,
    kCmdShowAirports = 32786,
    kCmdShowNavaidIds = 32789,
    kCmdShowAirportIds = 32790,
    kCmdShowPlaneTrip = 32791,
    kCmdMapCreateAdventure = 32794,
    kCmdMapUndoSelection = 32795,
    kCmdMapFindLocation = 32797,
    kCmdShowRunwayNumbers = 32799,
    kCmdMapFileNew = 32812,
    kCmdShowIls = 32813,
    kCmdShowNdb = 32814,
    kCmdShowVor = 32815,
    kCmdShowRadials = 32817,
    kCmdCreateSidStar = 32824,
};

// A display switch command: its id, the switch it flips, and whether the change shows
// only above the ident zoom (then a lower zoom needs no redraw).
struct SwitchCommand {
    int id;
    bool DisplaySwitches::*flag;
    bool onlyAboveIdentZoom;
};

MAPVIEW_API std::span<const qtplatform::CommandSpec> MapViewCommands();
MAPVIEW_API std::span<const SwitchCommand> MapSwitchCommands();
// The four navaid switches of the pop-up menu under the navaid toolbar button.
MAPVIEW_API std::span<const qtplatform::CommandSpec> NavaidPopupCommands();
// Toolbar buttons the view adds (0 is a separator), with their labels.
struct MapToolbarButton {
    int id;
    const char* label;
};
MAPVIEW_API std::span<const MapToolbarButton> MapToolbarButtons();

}  // namespace trevalo
