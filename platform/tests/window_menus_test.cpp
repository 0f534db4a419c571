#include "platform/menus.h"

#include <gtest/gtest.h>

#include "platform/windows.h"
#include "testing/temp_environment.h"

namespace platform {
namespace {

TEST(WindowMenusTest, ItemsAreInsertedCountedAndFoundByIdOrPosition) {
    const Hmenu bar = CreateMenu();
    const Hmenu popup = CreatePopupMenu();
    ASSERT_TRUE(AppendMenu(bar, {1, "&File"}));
    ASSERT_TRUE(AppendMenu(bar, {3, "&Help", MF_GRAYED}));
    ASSERT_TRUE(InsertMenuItem(bar, 1, {2, "&Sub", MF_ENABLED, popup}));
    ASSERT_TRUE(AppendMenu(popup, {20, "&Command", MF_GRAYED | MF_DISABLED}));
    EXPECT_EQ(GetMenuItemCount(bar), 3);
    const int ids[] = {1, 2, 3};
    for (unsigned position = 0; position < 3; ++position) EXPECT_EQ(GetMenuItemID(bar, position), ids[position]);
    EXPECT_EQ(GetMenuItemID(bar, 3), -1);
    EXPECT_EQ(GetSubMenu(bar, 1), popup);
    EXPECT_EQ(GetSubMenu(bar, 0), 0u);
    EXPECT_EQ(GetMenuState(bar, 20, MenuLookup::ByCommand), 3);
    EXPECT_EQ(GetMenuState(bar, 2, MenuLookup::ByPosition), 1);
    EXPECT_EQ(GetMenuState(bar, 99, MenuLookup::ByCommand), -1);
    EXPECT_EQ(FindMenuItem(bar, 20)->text, "&Command");
    EXPECT_TRUE(DestroyMenu(bar));
    EXPECT_FALSE(IsMenu(popup));  // went with the bar
    EXPECT_EQ(GetMenuItemCount(bar), -1);
}

TEST(WindowMenusTest, RefusesBadHandlesAndSelfNesting) {
    const Hmenu menu = CreatePopupMenu();
    EXPECT_FALSE(AppendMenu(menu, {1, "self", MF_ENABLED, menu}));
    EXPECT_FALSE(AppendMenu(menu, {1, "missing", MF_ENABLED, 987654}));
    EXPECT_FALSE(AppendMenu(987654, {1, "x"}));
    EXPECT_FALSE(GetMenuItem(menu, 0));
    EXPECT_TRUE(DestroyMenu(menu));
    EXPECT_FALSE(DestroyMenu(menu));
}

LResult Ignore(Hwnd window, unsigned message, WParam wParam, LParam lParam) {
    return DefWindowProc(window, message, wParam, lParam);
}

TEST(WindowMenusTest, WindowKeepsItsBarAndDestroysItWithItself) {
    testing::TempEnvironment env;
    ASSERT_TRUE(RegisterWindowClass({"MenuOwner", Ignore}));
    const Hwnd window = CreateWindow("MenuOwner", "owner");
    EXPECT_EQ(GetMenu(window), 0u);
    const Hmenu bar = CreateMenu();
    EXPECT_TRUE(SetMenu(window, bar));
    EXPECT_EQ(GetMenu(window), bar);
    EXPECT_FALSE(SetMenu(window, 987654));
    EXPECT_TRUE(DrawMenuBar(window));
    EXPECT_TRUE(DestroyWindow(window));
    EXPECT_FALSE(IsMenu(bar));
    EXPECT_FALSE(DrawMenuBar(window));
    EXPECT_TRUE(UnregisterWindowClass("MenuOwner"));
}

}  // namespace
}  // namespace platform
