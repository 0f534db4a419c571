// Runs every test of the binary inside one QApplication on the offscreen platform, with
// the Qt message box installed (tests replace it with a recorder where they answer boxes).
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdlib>
#include <memory>

#include "qtplatform/application.h"
#include "qtplatform/message_box.h"
#include "qtplatform/testing/qt_test.h"

namespace qtplatform::testing {
namespace {

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        static int argc = 1;
        static char name[] = "qt_tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QApplication>(argc, argv);
        UseFileNumberFormat();
        InstallMessageBoxHandler();
    }
    void TearDown() override {
        platform::SetMessageBoxHandler({});
        app_.reset();
    }

private:
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] const auto* const kRegistered = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace

void WhenModalShown(std::function<void(QWidget* modal)> act) {
    auto* timer = new QTimer(QCoreApplication::instance());
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act = std::move(act)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        act(modal);
    });
    timer->start(10);
}

bool ProcessEventsUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeoutMs) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

}  // namespace qtplatform::testing
