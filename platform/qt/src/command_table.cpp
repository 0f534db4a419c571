#include "qtplatform/command_table.h"

#include <QMenuBar>
#include <QVariant>
#include <string>

#include "command_updater.h"
#include "qtplatform/text.h"

namespace qtplatform {
namespace {

constexpr char kMenuSeparator = '>';

QMenu* ChildMenu(QWidget* parent, const QString& title, bool create) {
    const QList<QAction*> actions = parent->actions();
    for (QAction* action : actions) {
        if (action->menu() != nullptr && action->text() == title) return action->menu();
    }
    if (!create) return nullptr;
    if (auto* bar = qobject_cast<QMenuBar*>(parent)) return bar->addMenu(title);
    return static_cast<QMenu*>(parent)->addMenu(title);
}

QMenu* WalkMenus(QMenuBar* bar, std::string_view path, bool create) {
    QWidget* current = bar;
    QMenu* menu = nullptr;
    while (!path.empty()) {
        const std::size_t cut = path.find(kMenuSeparator);
        const std::string title(path.substr(0, cut));
        menu = ChildMenu(current, ToQString(title), create);
        if (menu == nullptr) return nullptr;
        current = menu;
        path = cut == std::string_view::npos ? std::string_view() : path.substr(cut + 1);
    }
    return menu;
}

QAction* CommandAction(QMainWindow* window, int id) {
    if (QAction* existing = FindCommand(window, id)) return existing;
    auto* action = new QAction(window);
    action->setObjectName(CommandObjectName(id));
    action->setProperty("commandId", id);
    action->setEnabled(false);
    window->addAction(action);  // accelerators work while the action is in no menu
    return action;
}

}  // namespace

QString CommandObjectName(int id) { return QStringLiteral("cmd_%1").arg(id); }

QAction* FindCommand(const QWidget* window, int id) {
    return window->findChild<QAction*>(CommandObjectName(id), Qt::FindDirectChildrenOnly);
}

void BuildCommands(QMainWindow* window, std::span<const CommandSpec> commands,
                   std::span<const AcceleratorSpec> accelerators) {
    WatchCommandStates(*window);
    for (const CommandSpec& command : commands) {
        QAction* action = CommandAction(window, command.id);
        if (action->text().isEmpty()) action->setText(ToQString(std::string(command.text)));
        if (command.menu.empty()) continue;
        QMenu* menu = WalkMenus(window->menuBar(), command.menu, true);
        if (command.separatorBefore) menu->addSeparator();
        menu->addAction(action);
    }
    for (const AcceleratorSpec& accelerator : accelerators) {
        QAction* action = CommandAction(window, accelerator.id);
        QList<QKeySequence> keys = action->shortcuts();
        keys << QKeySequence(accelerator.key);
        action->setShortcuts(keys);
    }
}

bool AddToolbarButtons(QToolBar& toolBar, const QWidget& window, std::span<const ToolbarButton> buttons) {
    for (const ToolbarButton& button : buttons) {
        if (button.id == 0) {
            toolBar.addSeparator();
            continue;
        }
        QAction* action = FindCommand(&window, button.id);
        if (action == nullptr) return false;
        action->setIconText(ToQString(std::string(button.label)));
        action->setToolTip(ToQString(std::string(button.toolTip)));
        action->setStatusTip(action->toolTip());  // fly-by help in the message pane
        toolBar.addAction(action);
    }
    return true;
}

QMenu* FindMenu(const QMainWindow* window, std::string_view path) { return WalkMenus(window->menuBar(), path, false); }

}  // namespace qtplatform
