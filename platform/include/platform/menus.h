// Menus of this process: a window's menu bar and popups, items with ids, texts and
// states. An item that opens a popup keeps an id of its own as well.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/export.h"
#include "platform/window_types.h"

namespace platform {

// 0 is no menu.
using Hmenu = std::uintptr_t;

constexpr unsigned MF_ENABLED = 0x0;
constexpr unsigned MF_GRAYED = 0x1;
constexpr unsigned MF_DISABLED = 0x2;

struct MenuItem {
    unsigned id = 0;
    std::string text;
    unsigned state = MF_ENABLED;
    Hmenu popup = 0;  // the popup this item opens, 0 for a command
};

enum class MenuLookup { ByCommand, ByPosition };

PLATFORM_API Hmenu CreateMenu();
PLATFORM_API Hmenu CreatePopupMenu();
// Destroys the menu and the popups its items open.
PLATFORM_API bool DestroyMenu(Hmenu menu);
PLATFORM_API bool IsMenu(Hmenu menu);

// -1 when the menu does not exist.
PLATFORM_API int GetMenuItemCount(Hmenu menu);
// A position at or past the end appends.
PLATFORM_API bool InsertMenuItem(Hmenu menu, unsigned position, const MenuItem& item);
PLATFORM_API bool AppendMenu(Hmenu menu, const MenuItem& item);
PLATFORM_API std::optional<MenuItem> GetMenuItem(Hmenu menu, unsigned position);
// The id of the item at a position, -1 when there is none.
PLATFORM_API int GetMenuItemID(Hmenu menu, unsigned position);
PLATFORM_API Hmenu GetSubMenu(Hmenu menu, unsigned position);
// The state of an item by its id (searched in the popups too) or by its position; -1
// when there is no such item.
PLATFORM_API int GetMenuState(Hmenu menu, unsigned item, MenuLookup lookup);
// The first item with the id, searched in the popups too.
PLATFORM_API std::optional<MenuItem> FindMenuItem(Hmenu menu, unsigned id);

// The menu bar of a window of this process; 0 when it has none.
PLATFORM_API Hmenu GetMenu(Hwnd window);
// Attaches a menu bar (0 removes it); the previous bar is left to the caller.
PLATFORM_API bool SetMenu(Hwnd window, Hmenu menu);
// Asks for the window's non-client area, menu bar included, to be painted again: posts
// WM_NCPAINT to it.
PLATFORM_API bool DrawMenuBar(Hwnd window);

}  // namespace platform
