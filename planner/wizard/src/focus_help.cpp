#include "wizard/focus_help.h"

#include <QEvent>
#include <QFocusEvent>

namespace trevalo {
namespace {

class FocusInFilter : public QObject {
public:
    FocusInFilter(QWidget* control, std::function<void()> handler) : QObject(control), handler_(std::move(handler)) {}

protected:
    // Only a control the user moves to: the focus that comes back with the window (after
    // a menu or a message box) changes nothing, and must not read the controls again.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) handler_();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> handler_;
};

}  // namespace

void OnFocusIn(QWidget* control, std::function<void()> handler) {
    control->installEventFilter(new FocusInFilter(control, std::move(handler)));
}

}  // namespace trevalo
