// Commands of a main window made from tables: each command is a QAction carrying its
// numeric id (object name "cmd_<n>"), placed in the menus by its menu path and bound to
// its accelerators. A command without a handler stays visibly disabled.
#pragma once

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <functional>
#include <span>
#include <string_view>

namespace qtplatform {

struct CommandSpec {
    int id;
    // Menu path from the menu bar, submenus separated by '>' ("&Extra>&Database Options");
    // empty for a command reached only by accelerator or toolbar.
    std::string_view menu;
    // Menu text; a tab separates the accelerator text shown beside it.
    std::string_view text;
    bool separatorBefore = false;
};

struct AcceleratorSpec {
    QKeyCombination key;
    int id;
};

QString CommandObjectName(int id);
QAction* FindCommand(const QWidget* window, int id);

// Creates one action per command id on the window, builds the menus in table order and
// binds the accelerators. Every action starts disabled until BindCommand gives it a handler.
void BuildCommands(QMainWindow* window, std::span<const CommandSpec> commands,
                   std::span<const AcceleratorSpec> accelerators);

// Enables the command and runs the handler when it is triggered.
QAction* BindCommand(const QWidget* window, int id, std::function<void()> handler);

// The menu at a path of the window's menu bar; nullptr when there is none.
QMenu* FindMenu(const QMainWindow* window, std::string_view path);

}  // namespace qtplatform
