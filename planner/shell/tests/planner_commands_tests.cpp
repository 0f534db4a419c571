#include "planner_commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "shell/command_ids.h"
#include "shell/map_switch_commands.h"

namespace trevalo {
namespace {

using qtplatform::CommandSpec;

bool Holds(std::span<const CommandSpec> commands, int id) {
    return std::any_of(commands.begin(), commands.end(), [id](const CommandSpec& c) { return c.id == id; });
}

TEST(PlannerCommandsTest, EachCommandHasOneEntryInOneTable) {
    std::set<int> ids;
    for (std::span<const CommandSpec> table : {PlannerCommands(), NavaidPopupCommands(), CrashMenuCommands()}) {
        for (const CommandSpec& command : table) EXPECT_TRUE(ids.insert(command.id).second) << command.id;
    }
    // Every accelerator and toolbar button reaches a command of the table.
    for (const qtplatform::AcceleratorSpec& accelerator : PlannerAccelerators())
        EXPECT_EQ(ids.count(accelerator.id), 1u) << accelerator.id;
    for (const ToolbarButton& button : PlannerToolbar()) {
        if (button.id == 0) continue;
        EXPECT_EQ(ids.count(button.id), 1u) << button.id;
    }
}

TEST(PlannerCommandsTest, EverySwitchHasItsMenuItemAndOnlyLabelSwitchesWaitForTheIdentZoom) {
    std::set<int> ids, waiting;
    DisplaySwitches flipped;
    for (const SwitchCommand& command : MapSwitchCommands()) {
        EXPECT_TRUE(Holds(PlannerCommands(), command.id) || Holds(NavaidPopupCommands(), command.id)) << command.id;
        EXPECT_TRUE(ids.insert(command.id).second) << command.id;
        flipped.*command.flag = !(flipped.*command.flag);
        if (command.onlyAboveIdentZoom) waiting.insert(command.id);
    }
    // Each of the nine switches has its own command.
    EXPECT_EQ(flipped, (DisplaySwitches{false, false, false, false, false, false, false, false, false}));
    // Airport idents, navaid idents and ILS show nothing at or below the ident zoom.
    EXPECT_EQ(waiting, (std::set<int>{kCmdShowAirportIds, kCmdShowNavaidIds, kCmdShowIls}));
}

TEST(PlannerCommandsTest, ThePopupHoldsTheFourNavaidSwitches) {
    std::set<int> ids;
    for (const CommandSpec& command : NavaidPopupCommands()) ids.insert(command.id);
    EXPECT_EQ(ids, (std::set<int>{kCmdShowVor, kCmdShowNdb, kCmdShowIls, kCmdShowRadials}));
}

}  // namespace
}  // namespace trevalo
