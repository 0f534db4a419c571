#include <QPointer>

#include "command_updater.h"
#include "qtplatform/command_table.h"

namespace qtplatform {
namespace {

constexpr const char* kBindingName = "commandBinding";

// What a command runs and how its states follow: a child of the command's action.
class CommandBinding : public QObject {
public:
    explicit CommandBinding(QAction& action) : QObject(&action), action_(action) {
        setObjectName(kBindingName);
        connect(&action, &QAction::triggered, this, [this] { Run(); });
    }

    void SetHandler(CommandHandler handler, const QObject* owner) {
        handler_ = std::move(handler);
        Follow(handlerOwner_, owner, [this] { handler_ = nullptr; });
    }
    void SetUpdate(UpdateHandler update, const QObject* owner) {
        update_ = std::move(update);
        Follow(updateOwner_, owner, [this] { update_ = nullptr; });
    }

    void Refresh() {
        action_.setEnabled(static_cast<bool>(handler_));
        if (!handler_ || !update_) return;
        CommandUI ui(action_);
        // A copy: the handler may bind the command again.
        const UpdateHandler update = update_;
        update(ui);
    }

private:
    void Run() {
        if (!handler_) return;
        const CommandHandler handler = handler_;
        QPointer<QAction> action(&action_);
        handler();
        if (auto* window = action ? qobject_cast<QWidget*>(action->parent()) : nullptr) UpdateCommandUISoon(*window);
    }

    // Drops the binding's part when its owner goes; a new owner replaces the old one.
    template <class Drop>
    void Follow(QMetaObject::Connection& connection, const QObject* owner, Drop drop) {
        disconnect(connection);
        connection =
            owner == nullptr ? QMetaObject::Connection() : connect(owner, &QObject::destroyed, this, [this, drop] {
                drop();
                Refresh();
            });
    }

    QAction& action_;
    CommandHandler handler_;
    UpdateHandler update_;
    QMetaObject::Connection handlerOwner_;
    QMetaObject::Connection updateOwner_;
};

CommandBinding* BindingOf(QAction& action) {
    if (auto* binding = action.findChild<CommandBinding*>(kBindingName, Qt::FindDirectChildrenOnly)) return binding;
    return new CommandBinding(action);
}

// Changes the command's binding and shows its states at once; nullptr without the command.
template <class Change>
QAction* ChangeBinding(const QWidget* window, int id, Change change) {
    QAction* action = FindCommand(window, id);
    if (action == nullptr) return nullptr;
    CommandBinding* binding = BindingOf(*action);
    change(*binding);
    binding->Refresh();
    return action;
}

}  // namespace

int CommandUI::Id() const { return action_.property("commandId").toInt(); }

void CommandUI::SetCheck(bool checked) {
    action_.setCheckable(true);
    action_.setChecked(checked);
}

QAction* BindCommand(const QWidget* window, int id, CommandHandler handler, const QObject* owner) {
    return ChangeBinding(window, id, [&](CommandBinding& binding) { binding.SetHandler(std::move(handler), owner); });
}

QAction* BindCommandUpdate(const QWidget* window, int id, UpdateHandler update, const QObject* owner) {
    return ChangeBinding(window, id, [&](CommandBinding& binding) { binding.SetUpdate(std::move(update), owner); });
}

void UpdateCommandUI(const QWidget* window) {
    const QList<QAction*> actions = window->findChildren<QAction*>(QString(), Qt::FindDirectChildrenOnly);
    for (QAction* action : actions) {
        if (!action->property("commandId").isValid()) continue;
        if (auto* binding = action->findChild<CommandBinding*>(kBindingName, Qt::FindDirectChildrenOnly))
            binding->Refresh();
        else
            action->setEnabled(false);
    }
}

}  // namespace qtplatform
