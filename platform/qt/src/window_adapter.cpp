#include "qtplatform/window_adapter.h"

#include <QApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>
#include <map>
#include <set>

#include "platform/message_loop.h"
#include "platform/timers.h"
#include "platform/windows.h"
#include "qtplatform/text.h"

namespace qtplatform {
namespace {

using platform::Hwnd;
using platform::LParam;
using platform::LResult;
using platform::WParam;

// Serves the platform's message loop from the Qt event loop: its event descriptor wakes
// a notifier, and a single-shot timer waits for the next thread timer.
class MessagePump : public QObject {
public:
    explicit MessagePump(QObject* parent)
        : QObject(parent), notifier_(platform::MessageEventFd(), QSocketNotifier::Read) {
        timer_.setSingleShot(true);
        connect(&notifier_, &QSocketNotifier::activated, this, &MessagePump::Pump);
        connect(&timer_, &QTimer::timeout, this, &MessagePump::Pump);
        ScheduleTimer();
    }

private:
    void Pump() {
        platform::PumpMessages(0);
        ScheduleTimer();
    }
    void ScheduleTimer() {
        const int delay = platform::NextTimerDelayMs();
        if (delay < 0)
            timer_.stop();
        else
            timer_.start(delay);
    }

    QSocketNotifier notifier_;
    QTimer timer_;
};

void EnsureMessagePump() {
    static QPointer<MessagePump> pump;
    if (pump.isNull()) pump = new MessagePump(QCoreApplication::instance());
}

// Shows the window as the user left it before it was minimised or hidden (maximised
// stays maximised), above the others and active.
void BringToFront(QWidget* widget) {
    if (widget->isMinimized()) widget->setWindowState(widget->windowState() & ~Qt::WindowMinimized);
    widget->show();
    widget->raise();
    widget->activateWindow();
    // A dialog the window has open stays above it.
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal != widget && modal->parentWidget() != nullptr &&
        modal->parentWidget()->window() == widget) {
        modal->raise();
        modal->activateWindow();
    }
}

// Stands for its parent widget as a window of the platform layer, and destroys that
// window with the widget.
class WindowAdapter : public QObject {
public:
    WindowAdapter(QWidget* widget, Hwnd window) : QObject(widget), widget_(widget), window_(window) {
        Adapters()[window_] = this;
    }
    ~WindowAdapter() override {
        Adapters().erase(window_);
        platform::DestroyWindow(window_);
    }
    WindowAdapter(const WindowAdapter&) = delete;
    WindowAdapter& operator=(const WindowAdapter&) = delete;

    // Runs on the GUI thread, inside PumpMessages.
    static LResult Procedure(Hwnd window, unsigned message, WParam wParam, LParam lParam) {
        auto found = Adapters().find(window);
        if (found == Adapters().end()) return platform::DefWindowProc(window, message, wParam, lParam);
        QWidget* widget = found->second->widget_;
        switch (message) {
            case platform::WM_CLOSE:
                // Closed from the Qt event loop, not from inside the pump: a save question
                // runs its own event loop, which must keep serving messages.
                QMetaObject::invokeMethod(
                    widget, [widget] { widget->close(); }, Qt::QueuedConnection);
                return 0;
            case platform::WM_ACTIVATE:
                if (platform::LoWord(wParam) == platform::WA_ACTIVE) BringToFront(widget);
                return 0;
            default:
                return platform::DefWindowProc(window, message, wParam, lParam);
        }
    }

private:
    static std::map<Hwnd, WindowAdapter*>& Adapters() {
        static std::map<Hwnd, WindowAdapter*> adapters;
        return adapters;
    }

    QWidget* widget_;
    Hwnd window_;
};

// Registers the class with the adapter's procedure the first time it is asked for.
bool UseWindowClass(const std::string& className) {
    static std::set<std::string> registered;
    if (registered.count(className) == 1) return true;
    if (!platform::RegisterWindowClass({className, &WindowAdapter::Procedure})) return false;
    registered.insert(className);
    return true;
}

}  // namespace

Hwnd RegisterMainWindow(QWidget* widget, const std::string& className) {
    if (widget == nullptr || !UseWindowClass(className)) return 0;
    const Hwnd window = platform::CreateWindow(className, FromQString(widget->windowTitle()));
    if (window == 0) return 0;
    new WindowAdapter(widget, window);
    EnsureMessagePump();
    return window;
}

}  // namespace qtplatform
