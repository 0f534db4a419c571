// Commands of a main window made from tables: each command is a QAction carrying its
// numeric id (object name "cmd_<n>"), placed in the menus by its menu path and bound to
// its accelerators.
//
// A command runs the handler bound to it; binding it again replaces the handler. Its
// enabled and checked states come from its update handler, in the manner of the class
// library's update handlers, and are refreshed for every command of the window in one
// pass: before a menu of the window opens, before a key is matched against the
// accelerators, and soon after each command, mouse click or key press in the window. A
// command without a handler stays disabled; one without an update handler is enabled.
#pragma once

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QToolBar>
#include <functional>
#include <span>
#include <string_view>

namespace qtplatform {

struct CommandSpec {
    int id;
    // Menu path from the menu bar, submenus separated by '>' ("&Extra>&Database Options");
    // empty for a command reached only by accelerator, toolbar or pop-up menu.
    std::string_view menu;
    // Menu text; a tab separates the accelerator text shown beside it.
    std::string_view text;
    bool separatorBefore = false;
};

struct AcceleratorSpec {
    QKeyCombination key;
    int id;
};

// What an update handler sets for its command.
class CommandUI {
public:
    explicit CommandUI(QAction& action) : action_(action) {}
    int Id() const;
    void Enable(bool on = true) { action_.setEnabled(on); }
    // Makes the command a checkable one, ticked or not.
    void SetCheck(bool checked = true);

private:
    QAction& action_;
};

// A button of a toolbar made from a table; id 0 is a separator.
struct ToolbarButton {
    int id;
    std::string_view label;
    std::string_view toolTip;  // empty: the command's menu text
};

using CommandHandler = std::function<void()>;
using UpdateHandler = std::function<void(CommandUI&)>;

QString CommandObjectName(int id);
QAction* FindCommand(const QWidget* window, int id);

// Creates one action per command id on the window, builds the menus in table order and
// binds the accelerators. Each action starts disabled until BindCommand gives it a handler.
void BuildCommands(QMainWindow* window, std::span<const CommandSpec> commands,
                   std::span<const AcceleratorSpec> accelerators);

// Runs the handler when the command is triggered, replacing an earlier handler; with an
// owner, the handler goes (the command is disabled) when the owner is destroyed. nullptr
// when the window has no such command.
QAction* BindCommand(const QWidget* window, int id, CommandHandler handler, const QObject* owner = nullptr);
// The command's update handler, replacing an earlier one (owner as above); it runs at once.
QAction* BindCommandUpdate(const QWidget* window, int id, UpdateHandler update, const QObject* owner = nullptr);

// Puts the window's commands on the toolbar as its buttons, labelled; false when the
// window lacks one of the commands.
bool AddToolbarButtons(QToolBar& toolBar, const QWidget& window, std::span<const ToolbarButton> buttons);

// Refreshes the states of every command of the window now.
void UpdateCommandUI(const QWidget* window);

// The menu at a path of the window's menu bar; nullptr when there is none.
QMenu* FindMenu(const QMainWindow* window, std::string_view path);

}  // namespace qtplatform
