#include "shell/progress_dlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QProgressBar>

#include "qtplatform/control_ids.h"

namespace trevalo {
namespace {

TEST(ProgressDlg, WithoutAParentThereIsNoWindow) {
    CProgressDlg dialog(nullptr);
    EXPECT_FALSE(dialog.Create());
    EXPECT_FALSE(dialog.isVisible());
}

TEST(ProgressDlg, ShowsTheBarAndDeletesItselfWhenDestroyed) {
    QWidget view;
    view.show();
    QPointer<CProgressDlg> dialog = new CProgressDlg(&view);
    ASSERT_TRUE(dialog->Create());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->windowTitle().isEmpty());
    auto* bar = qtplatform::FindControl<QProgressBar>(dialog, CProgressDlg::kProgressBar);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 100);
    EXPECT_EQ(bar->value(), 0);
    dialog->SetPos(42);
    EXPECT_EQ(bar->value(), 42);

    dialog->DestroyWindow();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull());
}

}  // namespace
}  // namespace trevalo
