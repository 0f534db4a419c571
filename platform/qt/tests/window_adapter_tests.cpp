#include "qtplatform/window_adapter.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QCloseEvent>
#include <QDialog>
#include <QPointer>
#include <memory>

#include "platform/timers.h"
#include "platform/windows.h"
#include "qtplatform/testing/qt_test.h"
#include "testing/temp_environment.h"

namespace qtplatform {
namespace {

using platform::Hwnd;

constexpr const char* kClass = "AdapterTestWindow";

// A main window whose close box accepts or refuses, as when the user answers the save
// question with Yes or Cancel.
class ClosingWidget : public QWidget {
public:
    explicit ClosingWidget(bool acceptsClose) : acceptsClose_(acceptsClose) {}
    int closeRequests() const { return closeRequests_; }

protected:
    void closeEvent(QCloseEvent* event) override {
        ++closeRequests_;
        event->setAccepted(acceptsClose_);
    }

private:
    bool acceptsClose_;
    int closeRequests_ = 0;
};

class WindowAdapterTest : public ::testing::Test {
protected:
    // Declared first so that the widgets drop their window records before it goes.
    platform::testing::TempEnvironment env_;
};

TEST_F(WindowAdapterTest, RegistersUnderItsClassAndTitleUntilTheWidgetGoes) {
    auto widget = std::make_unique<QWidget>();
    widget->setWindowTitle("Adapter test - Untitled");
    const Hwnd window = RegisterMainWindow(widget.get(), kClass);
    ASSERT_NE(window, 0u);
    EXPECT_EQ(platform::FindWindow(std::string(kClass)), window);
    const std::vector<platform::WindowInfo> windows = platform::EnumerateWindows();
    ASSERT_EQ(windows.size(), 1u);
    EXPECT_EQ(windows[0].processId, ::getpid());
    EXPECT_EQ(windows[0].title, "Adapter test - Untitled");

    widget.reset();
    EXPECT_FALSE(platform::IsLocalWindow(window));
    EXPECT_EQ(platform::FindWindow(std::string(kClass)), 0u);
}

TEST_F(WindowAdapterTest, PostedCloseAsksTheCloseBox) {
    struct Case {
        bool acceptsClose;
        bool visibleAfter;
    };
    for (const Case c : {Case{true, false}, Case{false, true}}) {
        SCOPED_TRACE(c.acceptsClose ? "accepts" : "refuses");
        ClosingWidget widget(c.acceptsClose);
        widget.show();
        const Hwnd window = RegisterMainWindow(&widget, kClass);
        ASSERT_NE(window, 0u);
        ASSERT_TRUE(platform::PostMessage(window, platform::WM_CLOSE, 0, 0));
        ASSERT_TRUE(testing::ProcessEventsUntil([&widget] { return widget.closeRequests() > 0; }));
        EXPECT_EQ(widget.closeRequests(), 1);
        EXPECT_EQ(widget.isVisible(), c.visibleAfter);
        // The window stays reachable while the widget lives, closed or not.
        EXPECT_TRUE(platform::IsLocalWindow(window));
    }
}

TEST_F(WindowAdapterTest, AWidgetDeletedOnCloseTakesItsWindowAlong) {
    QPointer<QWidget> widget = new QWidget;
    widget->setAttribute(Qt::WA_DeleteOnClose);
    widget->show();
    const Hwnd window = RegisterMainWindow(widget, kClass);
    ASSERT_NE(window, 0u);
    ASSERT_TRUE(platform::PostMessage(window, platform::WM_CLOSE, 0, 0));
    ASSERT_TRUE(testing::ProcessEventsUntil([&widget] { return widget.isNull(); }));
    EXPECT_FALSE(platform::IsLocalWindow(window));
    EXPECT_TRUE(platform::EnumerateWindows().empty());
}

TEST_F(WindowAdapterTest, ActivationRequestBringsTheWindowToTheFront) {
    QWidget first;
    QWidget second;
    const Hwnd firstWindow = RegisterMainWindow(&first, kClass);
    ASSERT_NE(firstWindow, 0u);
    ASSERT_NE(RegisterMainWindow(&second, kClass), 0u);
    first.show();
    second.show();
    second.activateWindow();
    ASSERT_TRUE(testing::ProcessEventsUntil([&second] { return second.isActiveWindow(); }));

    ASSERT_TRUE(platform::BringWindowToFront(firstWindow));
    EXPECT_TRUE(testing::ProcessEventsUntil([&first] { return first.isActiveWindow(); }));
}

// Asked for again, a minimised program comes back as it was left: maximised stays so.
TEST_F(WindowAdapterTest, ActivationRequestRestoresAMinimisedWindow) {
    for (const bool maximised : {false, true}) {
        SCOPED_TRACE(maximised ? "maximised" : "normal");
        QWidget window;
        const Hwnd handle = RegisterMainWindow(&window, kClass);
        ASSERT_NE(handle, 0u);
        if (maximised)
            window.showMaximized();
        else
            window.show();
        window.setWindowState(window.windowState() | Qt::WindowMinimized);
        ASSERT_TRUE(window.isMinimized());

        ASSERT_TRUE(platform::BringWindowToFront(handle));
        EXPECT_TRUE(
            testing::ProcessEventsUntil([&window] { return !window.isMinimized() && window.isActiveWindow(); }));
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(window.isMaximized(), maximised);
    }
}

TEST_F(WindowAdapterTest, ADialogTheWindowHasOpenStaysInFront) {
    QWidget window;
    QWidget other;
    const Hwnd handle = RegisterMainWindow(&window, kClass);
    ASSERT_NE(handle, 0u);
    window.show();
    QDialog dialog(&window);
    dialog.open();
    other.show();
    other.activateWindow();
    ASSERT_TRUE(testing::ProcessEventsUntil([&other] { return other.isActiveWindow(); }));

    ASSERT_TRUE(platform::BringWindowToFront(handle));
    EXPECT_TRUE(testing::ProcessEventsUntil([&dialog] { return dialog.isActiveWindow(); }));
}

TEST_F(WindowAdapterTest, ThreadTimersRunFromTheQtEventLoop) {
    QWidget widget;
    ASSERT_NE(RegisterMainWindow(&widget, kClass), 0u);
    static int ticks = 0;
    ticks = 0;
    const std::uintptr_t timer =
        platform::SetThreadTimer(5, [](Hwnd, unsigned, std::uintptr_t, std::uint32_t) { ++ticks; });
    ASSERT_NE(timer, 0u);
    EXPECT_TRUE(testing::ProcessEventsUntil([] { return ticks >= 3; }));
    platform::KillTimer(timer);
}

TEST_F(WindowAdapterTest, RefusesWhatCannotBecomeAWindow) {
    // Classes stay registered for the life of the process.
    static const bool foreignRegistered = platform::RegisterWindowClass(
        {"ForeignClass", [](Hwnd window, unsigned message, platform::WParam wParam, platform::LParam lParam) {
             return platform::DefWindowProc(window, message, wParam, lParam);
         }});
    ASSERT_TRUE(foreignRegistered);
    struct Case {
        const char* name;
        std::string className;
        QString title;
    };
    const Case cases[] = {
        {"empty class", "", "title"},
        {"class of another procedure", "ForeignClass", "title"},
        {"line break in the title", kClass, "two\nlines"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget widget;
        widget.setWindowTitle(c.title);
        EXPECT_EQ(RegisterMainWindow(&widget, c.className), 0u);
        EXPECT_TRUE(widget.children().isEmpty());
    }
    EXPECT_EQ(RegisterMainWindow(nullptr, kClass), 0u);
    EXPECT_TRUE(platform::EnumerateWindows().empty());
}

}  // namespace
}  // namespace qtplatform
