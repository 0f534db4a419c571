#include "qtplatform/message_box.h"

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPushButton>
#include <atomic>
#include <thread>

#include "qtplatform/testing/qt_test.h"

namespace qtplatform {
namespace {

using platform::MbButtons;
using platform::MbIcon;
using platform::MbResult;

struct Seen {
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QMessageBox::StandardButton> buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// Records the box once shown, then presses the given button.
void RecordAndPress(Seen& seen, QMessageBox::StandardButton press) {
    testing::WhenModalShown([&seen, press](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        seen.caption = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        for (QAbstractButton* b : box->buttons()) seen.buttons << box->standardButton(b);
        seen.defaultButton = box->standardButton(box->defaultButton());
        box->button(press)->click();
    });
}

class QtMessageBoxTest : public ::testing::Test {
protected:
    QtMessageBoxTest() { platform::SetProgramTitle("Trevalo"); }
    ~QtMessageBoxTest() override { platform::SetProgramTitle(""); }
};

TEST_F(QtMessageBoxTest, ShowsIconButtonsDefaultAndCaption) {
    struct Case {
        MbIcon icon;
        MbButtons buttons;
        int defaultButton;
        const char* caption;
        QMessageBox::StandardButton press;
        QMessageBox::Icon expectedIcon;
        QMessageBox::StandardButton expectedDefault;
        QString expectedCaption;
        MbResult expectedResult;
    };
    const Case cases[] = {
        {MbIcon::Information, MbButtons::Ok, 0, "", QMessageBox::Ok, QMessageBox::Information, QMessageBox::Ok,
         "Trevalo", MbResult::Ok},
        {MbIcon::Question, MbButtons::YesNo, 1, "", QMessageBox::Yes, QMessageBox::Question, QMessageBox::No, "Trevalo",
         MbResult::Yes},
        {MbIcon::Stop, MbButtons::YesNoCancel, 2, "Own caption", QMessageBox::No, QMessageBox::Critical,
         QMessageBox::Cancel, "Own caption", MbResult::No},
        {MbIcon::Exclamation, MbButtons::YesNoCancel, 0, "", QMessageBox::Cancel, QMessageBox::Warning,
         QMessageBox::Yes, "Trevalo", MbResult::Cancel},
    };
    InstallMessageBoxHandler();
    for (const Case& c : cases) {
        Seen seen;
        RecordAndPress(seen, c.press);
        const MbResult result =
            platform::MessageBox("Line one\nLine two", c.caption, c.icon, c.buttons, c.defaultButton);
        EXPECT_EQ(result, c.expectedResult);
        EXPECT_EQ(seen.icon, c.expectedIcon);
        EXPECT_EQ(seen.defaultButton, c.expectedDefault);
        EXPECT_EQ(seen.caption, c.expectedCaption);
        EXPECT_EQ(seen.text, "Line one\nLine two");
        EXPECT_EQ(seen.buttons.size(), c.buttons == MbButtons::Ok ? 1 : c.buttons == MbButtons::YesNo ? 2 : 3);
    }
}

TEST_F(QtMessageBoxTest, WorkerThreadBoxIsShownByTheGuiThreadWhileItWaits) {
    InstallMessageBoxHandler();
    Seen seen;
    RecordAndPress(seen, QMessageBox::No);
    std::atomic<bool> done{false};
    MbResult result = MbResult::Ok;
    std::thread worker([&] {
        result = platform::MessageBox("From a loader", "", MbIcon::Question, MbButtons::YesNo);
        done = true;
    });
    // The GUI thread waits as the planner's start-up does: handling events until done.
    EXPECT_TRUE(testing::ProcessEventsUntil([&] { return done.load(); }));
    worker.join();
    EXPECT_EQ(result, MbResult::No);
    EXPECT_EQ(seen.text, "From a loader");
}

}  // namespace
}  // namespace qtplatform
