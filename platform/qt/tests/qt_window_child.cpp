// A Qt program for the tests of closing and raising the suite's programs. Arguments: the
// main window's class, then optionally kRefuseCloseOption. The main window is registered
// through the window adapter; a probe window answers how often it was asked to close.
// Ends with 0 once the main window has closed.
#include <QApplication>
#include <QCloseEvent>
#include <QMainWindow>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/windows.h"
#include "qt_window_child.h"
#include "qtplatform/window_adapter.h"

namespace {

int closeRequests = 0;

class ChildMainWindow : public QMainWindow {
public:
    explicit ChildMainWindow(bool refusesClose) : refusesClose_(refusesClose) {
        setWindowTitle(qt_window_child::kMainWindowTitle);
    }

protected:
    void closeEvent(QCloseEvent* event) override {
        ++closeRequests;
        event->setAccepted(!refusesClose_);
    }

private:
    bool refusesClose_;
};

platform::LResult ProbeProc(platform::Hwnd window, unsigned message, platform::WParam wParam, platform::LParam lParam) {
    if (message == qt_window_child::kCloseRequestsMessage) return closeRequests;
    // The probe outlives closing requests meant for the main window.
    if (message == platform::WM_CLOSE) return 0;
    return platform::DefWindowProc(window, message, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    const std::string className = argv[1];
    const bool refusesClose = argc > 2 && std::strcmp(argv[2], qt_window_child::kRefuseCloseOption) == 0;

    // The probe first: a test that has found the main window can ask the probe at once.
    const std::string probeClass = className + qt_window_child::kProbeClassSuffix;
    platform::RegisterWindowClass({probeClass, ProbeProc});
    const platform::Hwnd probe = platform::CreateWindow(probeClass, "probe");
    if (probe == 0) return 3;

    ChildMainWindow mainWindow(refusesClose);
    mainWindow.show();
    if (qtplatform::RegisterMainWindow(&mainWindow, className) == 0) return 3;
    const int exitCode = QApplication::exec();
    platform::DestroyWindow(probe);
    return exitCode;
}
