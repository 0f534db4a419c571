#include "mapview/map_view_commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace trevalo {
namespace {

bool HasMenuEntry(int id) {
    const auto has = [id](std::span<const qtplatform::CommandSpec> commands) {
        return std::any_of(commands.begin(), commands.end(), [id](const auto& c) { return c.id == id; });
    };
    return has(MapViewCommands()) || has(NavaidPopupCommands());
}

TEST(MapViewCommandsTest, EverySwitchHasItsMenuItemAndOnlyLabelSwitchesWaitForTheIdentZoom) {
    std::set<int> ids, waiting;
    DisplaySwitches flipped;
    for (const SwitchCommand& command : MapSwitchCommands()) {
        EXPECT_TRUE(HasMenuEntry(command.id)) << command.id;
        EXPECT_TRUE(ids.insert(command.id).second) << command.id;
        flipped.*command.flag = !(flipped.*command.flag);
        if (command.onlyAboveIdentZoom) waiting.insert(command.id);
    }
    // Each of the nine switches has its own command.
    EXPECT_EQ(flipped, (DisplaySwitches{false, false, false, false, false, false, false, false, false}));
    // Airport idents, navaid idents and ILS show nothing at or below the ident zoom.
    EXPECT_EQ(waiting, (std::set<int>{kCmdShowAirportIds, kCmdShowNavaidIds, kCmdShowIls}));
}

TEST(MapViewCommandsTest, ThePopupHoldsTheFourNavaidSwitches) {
    std::set<int> ids;
    for (const qtplatform::CommandSpec& command : NavaidPopupCommands()) ids.insert(command.id);
    EXPECT_EQ(ids, (std::set<int>{kCmdShowVor, kCmdShowNdb, kCmdShowIls, kCmdShowRadials}));
}

}  // namespace
}  // namespace trevalo
