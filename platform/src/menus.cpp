#include "platform/menus.h"

#include <map>
#include <mutex>
#include <vector>

#include "platform/windows.h"
#include "window_table.h"

namespace platform {
namespace {

struct Menu {
    std::vector<MenuItem> items;
};

struct MenuTable {
    std::recursive_mutex mutex;
    std::map<Hmenu, Menu> menus;
    Hmenu lastHandle = 0;
};

MenuTable& Menus() {
    static MenuTable table;
    return table;
}

Menu* Find(MenuTable& table, Hmenu menu) {
    auto found = table.menus.find(menu);
    return found == table.menus.end() ? nullptr : &found->second;
}

Hmenu NewMenu() {
    MenuTable& table = Menus();
    std::lock_guard lock(table.mutex);
    const Hmenu handle = ++table.lastHandle;
    table.menus.emplace(handle, Menu{});
    return handle;
}

// Depth-first through the popups; a popup that opens itself again is not followed twice.
const MenuItem* FindById(MenuTable& table, Hmenu menu, unsigned id, std::vector<Hmenu>& visited) {
    const Menu* found = Find(table, menu);
    if (found == nullptr) return nullptr;
    for (Hmenu seen : visited) {
        if (seen == menu) return nullptr;
    }
    visited.push_back(menu);
    for (const MenuItem& item : found->items) {
        if (item.id == id) return &item;
        if (item.popup != 0) {
            if (const MenuItem* inner = FindById(table, item.popup, id, visited)) return inner;
        }
    }
    return nullptr;
}

}  // namespace

Hmenu CreateMenu() { return NewMenu(); }

Hmenu CreatePopupMenu() { return NewMenu(); }

bool DestroyMenu(Hmenu menu) {
    MenuTable& table = Menus();
    std::lock_guard lock(table.mutex);
    auto found = table.menus.find(menu);
    if (found == table.menus.end()) return false;
    const std::vector<MenuItem> items = std::move(found->second.items);
    table.menus.erase(found);
    for (const MenuItem& item : items) {
        if (item.popup != 0) DestroyMenu(item.popup);
    }
    return true;
}

bool IsMenu(Hmenu menu) {
    MenuTable& table = Menus();
    std::lock_guard lock(table.mutex);
    return Find(table, menu) != nullptr;
}

int GetMenuItemCount(Hmenu menu) {
    MenuTable& table = Menus();
    std::lock_guard lock(table.mutex);
    const Menu* found = Find(table, menu);
    return found == nullptr ? -1 : static_cast<int>(found->items.size());
}

bool InsertMenuItem(Hmenu menu, unsigned position, const MenuItem& item) {
    MenuTable& table = Menus();
    std::lock_guard lock(table.mutex);
    Menu* found = Find(table, menu);
    if (found == nullptr || item.popup == menu) return false;
    if (item.popup != 0 && Find(table, item.popup) == nullptr) return false;
    const size_t at = std::min<size_t>(position, found->items.size());
    found->items.insert(found->items.begin() + static_cast<std::ptrdiff_t>(at), item);
    return true;
}

bool AppendMenu(Hmenu menu, const MenuItem& item) { return InsertMenuItem(menu, static_cast<unsigned>(-1), item); }

std::optional<MenuItem> GetMenuItem(Hmenu menu, unsigned position) {
    MenuTable& table = Menus();
    std::lock_guard lock(table.mutex);
    const Menu* found = Find(table, menu);
    if (found == nullptr || position >= found->items.size()) return std::nullopt;
    return found->items[position];
}

int GetMenuItemID(Hmenu menu, unsigned position) {
    const std::optional<MenuItem> item = GetMenuItem(menu, position);
    return item ? static_cast<int>(item->id) : -1;
}

Hmenu GetSubMenu(Hmenu menu, unsigned position) {
    const std::optional<MenuItem> item = GetMenuItem(menu, position);
    return item ? item->popup : 0;
}

int GetMenuState(Hmenu menu, unsigned item, MenuLookup lookup) {
    std::optional<MenuItem> found =
        lookup == MenuLookup::ByPosition ? GetMenuItem(menu, item) : FindMenuItem(menu, item);
    return found ? static_cast<int>(found->state) : -1;
}

std::optional<MenuItem> FindMenuItem(Hmenu menu, unsigned id) {
    MenuTable& table = Menus();
    std::lock_guard lock(table.mutex);
    std::vector<Hmenu> visited;
    const MenuItem* found = FindById(table, menu, id, visited);
    return found == nullptr ? std::nullopt : std::optional<MenuItem>(*found);
}

Hmenu GetMenu(Hwnd window) {
    Hmenu menu = 0;
    return detail::WindowMenu(window, menu) ? menu : 0;
}

bool SetMenu(Hwnd window, Hmenu menu) {
    if (menu != 0 && !IsMenu(menu)) return false;
    Hmenu previous = 0;
    return detail::SetWindowMenu(window, menu, previous);
}

bool DrawMenuBar(Hwnd window) { return IsLocalWindow(window) && PostMessage(window, WM_NCPAINT, 1, 0); }

}  // namespace platform
