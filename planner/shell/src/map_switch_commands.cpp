#include "shell/map_switch_commands.h"

#include "shell/command_ids.h"

namespace trevalo {
namespace {

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

}  // namespace

std::span<const SwitchCommand> MapSwitchCommands() { return kSwitches; }

}  // namespace trevalo
