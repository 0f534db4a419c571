#include "mapview/map_view_commands.h"

namespace trevalo {
namespace {

using qtplatform::CommandSpec;

constexpr std::string_view kFile = "&File";
constexpr std::string_view kView = "&View";
constexpr std::string_view kTools = "&Tools";

constexpr CommandSpec kCommands[] = {
    {kCmdMapFileNew, kFile, "Ne&w"},
    {kCmdScaleToFit, kView, "SetScaleToFit", true},
    {kCmdResizeParentToFit, kView, "ResizeParentToFit"},
    {kCmdUpperLeft, kView, "UpperLeft"},
    {kCmdTrackMode, kView, "&Hand mode"},
    {kCmdZoomIn, kView, "Zoom &in", true},
    {kCmdZoomOut, kView, "Zoom &out"},
    {kCmdZoomDefault, kView, "Zoom &default"},
    {kCmdShowAirports, kTools, "Show\\Hide &Airports"},
    {kCmdShowAirportIds, kTools, "Sh&ow\\Hide Airport ID"},
    {kCmdShowRunwayNumbers, kTools, "Show\\Hide Airport &Rnw"},
    {kCmdShowNavaidIds, kTools, "S&how\\Hide Navaid Id"},
    {kCmdShowPlaneTrip, kTools, "Show\\Hide plane &trip"},
    {kCmdMapUndoSelection, kTools, "&Undo last selection\tCtrl-Z", true},
    {kCmdMapFindLocation, kTools, "&Find a location\tCtrl-F"},
    {kCmdMapCreateAdventure, kTools, "&Create adventure\tF7"},
    {kCmdCreateSidStar, kTools, "C&reate SID/STAR"},
    {kCmdNavaidPopup, {}, "Navaids"},
};

constexpr CommandSpec kNavaidPopup[] = {
    {kCmdShowVor, {}, "Show/ Hide &VOR"},
    {kCmdShowNdb, {}, "Show/ Hide &NDB"},
    {kCmdShowIls, {}, "Show/ Hidle ILS"},
    {kCmdShowRadials, {}, "show/ Hide Radials"},
};

constexpr SwitchCommand kSwitches[] = {
    {kCmdShowAirports, &DisplaySwitches::airports, false},
    {kCmdShowAirportIds, &DisplaySwitches::airportIds, true},
    {kCmdShowRunwayNumbers, &DisplaySwitches::runwayNumbers, false},
    {kCmdShowNavaidIds, &DisplaySwitches::navaidIds, true},
    {kCmdShowPlaneTrip, &DisplaySwitches::planeTrip, false},
    {kCmdShowVor, &DisplaySwitches::vor, false},
    {kCmdShowNdb, &DisplaySwitches::ndb, false},
    {kCmdShowIls, &DisplaySwitches::ils, true},
    {kCmdShowRadials, &DisplaySwitches::radials, false},
};

constexpr MapToolbarButton kToolbar[] = {
    {0, nullptr},
    {kCmdZoomIn, "Zoom in"},
    {kCmdZoomOut, "Zoom out"},
    {kCmdZoomDefault, "1:1"},
    {kCmdScaleToFit, "Fit"},
    {kCmdTrackMode, "Hand"},
    {kCmdNavaidPopup, "Navaids"},
    {kCmdMapUndoSelection, "Undo"},
};

}  // namespace

std::span<const CommandSpec> MapViewCommands() { return kCommands; }
std::span<const SwitchCommand> MapSwitchCommands() { return kSwitches; }
std::span<const CommandSpec> NavaidPopupCommands() { return kNavaidPopup; }
std::span<const MapToolbarButton> MapToolbarButtons() { return kToolbar; }

}  // namespace trevalo
