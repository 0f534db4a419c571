// The planner's command table: menu entries, accelerators, toolbar buttons and the two
// pop-up menus, for the application, the main frame and the map view alike.
#pragma once

#include <span>
#include <string_view>

#include "qtplatform/command_table.h"

namespace trevalo {

using qtplatform::ToolbarButton;

std::span<const qtplatform::CommandSpec> PlannerCommands();
std::span<const qtplatform::AcceleratorSpec> PlannerAccelerators();
std::span<const ToolbarButton> PlannerToolbar();
std::span<const qtplatform::CommandSpec> CrashMenuCommands();
std::span<const qtplatform::CommandSpec> NavaidPopupCommands();

}  // namespace trevalo
