// The map view's display switch commands: the switch each one flips, and whether the
// change shows only above the ident zoom (then a lower zoom needs no redraw).
#pragma once

#include <span>

#include "mapview/display_switches.h"

namespace trevalo {

struct SwitchCommand {
    int id;
    bool DisplaySwitches::*flag;
    bool onlyAboveIdentZoom;
};

std::span<const SwitchCommand> MapSwitchCommands();

}  // namespace trevalo
