#include "qtplatform/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>

#include "qtplatform/text.h"

namespace qtplatform {
namespace {

using platform::MbButtons;
using platform::MbIcon;
using platform::MbResult;

QMessageBox::Icon ToQtIcon(MbIcon icon) {
    switch (icon) {
        case MbIcon::Information:
            return QMessageBox::Information;
        case MbIcon::Question:
            return QMessageBox::Question;
        case MbIcon::Stop:
            return QMessageBox::Critical;
        case MbIcon::Exclamation:
            return QMessageBox::Warning;
        case MbIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

struct ButtonChoice {
    QMessageBox::StandardButton qt;
    MbResult result;
};

// The buttons of each set, in the order the default-button index counts them.
std::vector<ButtonChoice> ButtonsOf(MbButtons buttons) {
    switch (buttons) {
        case MbButtons::Ok:
            return {{QMessageBox::Ok, MbResult::Ok}};
        case MbButtons::YesNo:
            return {{QMessageBox::Yes, MbResult::Yes}, {QMessageBox::No, MbResult::No}};
        case MbButtons::YesNoCancel:
            return {{QMessageBox::Yes, MbResult::Yes},
                    {QMessageBox::No, MbResult::No},
                    {QMessageBox::Cancel, MbResult::Cancel}};
    }
    return {{QMessageBox::Ok, MbResult::Ok}};
}

MbResult ShowOnGuiThread(const platform::MessageBoxRequest& request) {
    const QString text = request.encoding == platform::MbTextEncoding::Utf8 ? QString::fromStdString(request.text)
                                                                            : ToQString(request.text);
    QMessageBox box(ToQtIcon(request.icon), ToQString(request.caption), text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    const std::vector<ButtonChoice> choices = ButtonsOf(request.buttons);
    for (const ButtonChoice& choice : choices) box.addButton(choice.qt);
    const std::size_t defaultIndex =
        request.defaultButton >= 0 && static_cast<std::size_t>(request.defaultButton) < choices.size()
            ? static_cast<std::size_t>(request.defaultButton)
            : 0;
    box.setDefaultButton(choices[defaultIndex].qt);
    // Closing the box answers as the platform does: Cancel when there is one, else the
    // only button; a Yes/No box cannot be closed without choosing.
    if (request.buttons == MbButtons::Ok) box.setEscapeButton(QMessageBox::Ok);
    if (request.buttons == MbButtons::YesNoCancel) box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    const auto* clicked = box.clickedButton();
    for (const ButtonChoice& choice : choices) {
        if (clicked == box.button(choice.qt)) return choice.result;
    }
    return choices[defaultIndex].result;
}

}  // namespace

platform::MbResult ShowMessageBox(const platform::MessageBoxRequest& request) {
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr || QThread::currentThread() == app->thread()) return ShowOnGuiThread(request);
    MbResult result = MbResult::Cancel;
    QMetaObject::invokeMethod(
        app, [&] { result = ShowOnGuiThread(request); }, Qt::BlockingQueuedConnection);
    return result;
}

void InstallMessageBoxHandler() { platform::SetMessageBoxHandler(&ShowMessageBox); }

}  // namespace qtplatform
