#include "qtplatform/command_table.h"

#include <gtest/gtest.h>

#include <QMenuBar>

namespace qtplatform {
namespace {

constexpr CommandSpec kCommands[] = {
    {1, "&File", "&Open\tCtrl-O"},
    {2, "&File", "E&xit", true},
    {3, "&Extra>&Database Options", "Loading &Countries"},
    {4, "", "Find"},
};
constexpr AcceleratorSpec kAccelerators[] = {
    {Qt::CTRL | Qt::Key_O, 1},
    {Qt::Key_F7, 5},  // a command reached by its accelerator alone
};

TEST(CommandTable, BuildsMenusByPathAndKeepsUnboundCommandsDisabled) {
    QMainWindow window;
    BuildCommands(&window, kCommands, kAccelerators);

    QMenu* file = FindMenu(&window, "&File");
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(file->actions().size(), 3);  // open, separator, exit
    EXPECT_TRUE(file->actions()[1]->isSeparator());
    QMenu* database = FindMenu(&window, "&Extra>&Database Options");
    ASSERT_NE(database, nullptr);
    EXPECT_EQ(database->actions().front(), FindCommand(&window, 3));
    EXPECT_EQ(FindMenu(&window, "&Help"), nullptr);

    for (int id : {1, 2, 3, 4, 5}) {
        ASSERT_NE(FindCommand(&window, id), nullptr) << id;
        EXPECT_FALSE(FindCommand(&window, id)->isEnabled()) << id;
    }
    EXPECT_EQ(FindCommand(&window, 1)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(FindCommand(&window, 5)->shortcut(), QKeySequence(Qt::Key_F7));
}

TEST(CommandTable, BoundCommandRunsItsHandler) {
    QMainWindow window;
    BuildCommands(&window, kCommands, kAccelerators);
    int runs = 0;
    QAction* open = BindCommand(&window, 1, [&] { ++runs; });
    ASSERT_NE(open, nullptr);
    EXPECT_TRUE(open->isEnabled());
    open->trigger();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(BindCommand(&window, 99, [] {}), nullptr);
}

}  // namespace
}  // namespace qtplatform
