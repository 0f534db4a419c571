// The source editor's command table: menus, accelerators, and the buttons of the main
// toolbar and the configuration bar.
#pragma once

#include <span>
#include <string_view>

#include "qtplatform/command_table.h"

namespace quillet {

using qtplatform::ToolbarButton;

std::span<const qtplatform::CommandSpec> EditorCommands();
std::span<const qtplatform::AcceleratorSpec> EditorAccelerators();
std::span<const ToolbarButton> MainToolbar();
std::span<const ToolbarButton> ConfigBarButtons();

}  // namespace quillet
