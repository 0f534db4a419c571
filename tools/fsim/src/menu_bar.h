// The stand-in simulator's menu bar, and a text picture of a menu for the scripts.
#pragma once

#include <string>

#include "platform/menus.h"

namespace fsim {

// A bar of the first `items` of the simulator's menus, each a popup with one command;
// 0 items give no bar.
platform::Hmenu BuildMenuBar(int items);

// "text#id:state" per item, a popup's items in braces, items separated by commas.
std::string DescribeMenu(platform::Hmenu menu);

}  // namespace fsim
