#include "wizard/focus_help.h"

#include <QEvent>

namespace trevalo {
namespace {

class FocusInFilter : public QObject {
public:
    FocusInFilter(QWidget* control, std::function<void()> handler) : QObject(control), handler_(std::move(handler)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) handler_();
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
