// The menu that Cabinhook adds to the stand-in simulator's bar.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "fsim_harness.h"

namespace {

using fsim::testing::FsimProcess;
using fsim::testing::FsimSetup;

constexpr const char* kGrayedMenu = "&Modules#21007:3{&Trevalo#26001:0{&About Trevalo#26002:0}}";
constexpr const char* kEnabledMenu = "&Modules#21007:0{&Trevalo#26001:0{&About Trevalo#26002:0}}";

// Waits (generously) for the main window to be subclassed, then for the bar to end as
// expected; returns the bar's picture.
std::string SettledMenu(FsimProcess& sim, const std::string& ending) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    std::string menu;
    while (std::chrono::steady_clock::now() < deadline) {
        menu = sim.Command("menu");
        if (sim.Command("hooked") == "yes" && menu.ends_with(ending)) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return menu;
}

std::string LastItem(const std::string& menu) {
    const size_t modules = menu.find("&Modules");
    return modules == std::string::npos ? "" : menu.substr(modules);
}

class CabinhookMenuTest : public ::testing::Test {
protected:
    platform::testing::TempEnvironment env_;
};

TEST_F(CabinhookMenuTest, InstalledGrayedOnceTheBarExists) {
    const struct {
        int itemsAtStart;
        int itemsLater;  // 0: no rebuild
    } cases[] = {{7, 0}, {0, 7}};
    for (const auto& test : cases) {
        FsimProcess sim(env_, FsimSetup{.menuItems = test.itemsAtStart});
        ASSERT_TRUE(sim.Ready());
        if (test.itemsLater > 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));  // ticks without a bar
            EXPECT_EQ(sim.Command("menu"), "");
            ASSERT_EQ(sim.Command("menubar " + std::to_string(test.itemsLater)), "ok");
        }
        EXPECT_EQ(LastItem(SettledMenu(sim, kGrayedMenu)), kGrayedMenu) << test.itemsAtStart;
    }
}

TEST_F(CabinhookMenuTest, ShortBarIsLeftAloneAndARebuiltBarGetsTheMenuAgain) {
    FsimProcess sim(env_, FsimSetup{.menuItems = 5});
    ASSERT_TRUE(sim.Ready());
    const std::string shortBar = SettledMenu(sim, "{Command#1104:0}");
    EXPECT_EQ(LastItem(shortBar), "");
    // A repaint after a rebuild puts the menu on the new bar, enabled.
    ASSERT_EQ(sim.Command("menubar 6"), "ok");
    EXPECT_EQ(LastItem(SettledMenu(sim, kEnabledMenu)), kEnabledMenu);
    ASSERT_EQ(sim.Command("menubar 8"), "ok");
    EXPECT_EQ(LastItem(SettledMenu(sim, "&Extra1#107:0{Command#1107:0}," + std::string(kEnabledMenu))), kEnabledMenu);
    // A rebuild to a short bar again leaves it alone.
    ASSERT_EQ(sim.Command("menubar 4"), "ok");
    EXPECT_EQ(LastItem(SettledMenu(sim, "{Command#1103:0}")), "");
}

TEST_F(CabinhookMenuTest, AClosedMenuStopsTheWaitForTheBar) {
    FsimProcess sim(env_, FsimSetup{.menuItems = 0});
    ASSERT_TRUE(sim.Ready());
    ASSERT_EQ(SettledMenu(sim, ""), "");  // subclassed, still no bar
    ASSERT_EQ(sim.Command("menuclose"), "ok");
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    ASSERT_EQ(sim.Command("menubar 7"), "ok");
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(LastItem(sim.Command("menu")), "");
}

TEST_F(CabinhookMenuTest, AboutBoxOnTheOwnCommandWhichGoesOnToTheSimulator) {
    FsimProcess sim(env_);
    ASSERT_TRUE(sim.Ready());
    SettledMenu(sim, kGrayedMenu);
    ASSERT_EQ(sim.Command("click 26002"), "ok");
    ASSERT_EQ(sim.Command("click 1100"), "ok");
    EXPECT_EQ(sim.Command("boxes"), "About: http://www.quillet-applications.example/\\n\\n\\tv1.1.0");
    EXPECT_EQ(sim.Command("commands"), "26002,1100");
}

}  // namespace
