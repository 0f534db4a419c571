#include "command_updater.h"

#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QTimer>

#include "qtplatform/command_table.h"

namespace qtplatform {
namespace {

constexpr const char* kUpdaterName = "commandUpdater";

class CommandUpdater : public QObject {
public:
    explicit CommandUpdater(QMainWindow& window) : QObject(&window), window_(window) {
        setObjectName(kUpdaterName);
        timer_.setSingleShot(true);
        timer_.setInterval(0);
        connect(&timer_, &QTimer::timeout, this, [this] { OnTimer(); });
        qApp->installEventFilter(this);
    }

    void Soon() { timer_.start(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::Show:
                if (auto* menu = qobject_cast<QMenu*>(watched);
                    menu != nullptr && BelongsToWindow(menu->parentWidget()))
                    UpdateCommandUI(&window_);
                break;
            case QEvent::ShortcutOverride:
                if (BelongsToWindow(watched)) UpdateCommandUI(&window_);
                break;
            case QEvent::MouseButtonRelease:
            case QEvent::KeyRelease:
                if (BelongsToWindow(watched)) Soon();
                break;
            case QEvent::Hide:
                if (auto* dialog = qobject_cast<QWidget*>(watched);
                    waiting_ && dialog != nullptr && dialog->isWindow() && dialog->isModal())
                    Soon();
                break;
            default:
                break;
        }
        return false;
    }

private:
    // A handler that runs a modal dialog changes its model when the dialog has closed, so
    // the refresh waits until no modal dialog is open.
    void OnTimer() {
        waiting_ = QApplication::activeModalWidget() != nullptr;
        if (!waiting_) UpdateCommandUI(&window_);
    }

    bool BelongsToWindow(QObject* object) const {
        auto* widget = qobject_cast<QWidget*>(object);
        return widget != nullptr && widget->window() == &window_;
    }

    QMainWindow& window_;
    QTimer timer_;
    bool waiting_ = false;
};

CommandUpdater* UpdaterOf(const QWidget& window) {
    return window.findChild<CommandUpdater*>(kUpdaterName, Qt::FindDirectChildrenOnly);
}

}  // namespace

void WatchCommandStates(QMainWindow& window) {
    if (UpdaterOf(window) == nullptr) new CommandUpdater(window);
}

void UpdateCommandUISoon(const QWidget& window) {
    if (CommandUpdater* updater = UpdaterOf(window)) updater->Soon();
}

}  // namespace qtplatform
