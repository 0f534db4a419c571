// The wizard bar with its two sheets in a main frame, offscreen, as the planner shows it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>

#include "nav_world.h"
#include "platform/message_box.h"
#include "qtplatform/control_ids.h"
#include "shell/settings.h"
#include "wizard/wizard_bar.h"

namespace trevalo {
namespace {

constexpr int kBarId = 32800;

class WizardBarTest : public ::testing::Test {
protected:
    // Writes the default files named, then makes the frame, the bar and its sheets.
    void Start(std::initializer_list<const char*> defaultFiles = {"QuilletDefault.bmp", "QuilletDefault.flt",
                                                                  "QuilletDefault.brf"}) {
        for (const char* name : defaultFiles) world_.WriteBaseFile(name, "default");
        database_ = world_.Load();
        route_ = std::make_unique<Route>(*database_);
        frame_ = std::make_unique<QMainWindow>();
        frame_->statusBar()->showMessage(QStringLiteral("Ready"));
        bar_ = new CWizardBar(*frame_, kBarId);
        frame_->resize(1000, 900);
        frame_->show();
        bar_->CreateSheets(*database_, *route_, [](const std::string&) { return true; });
    }
    CWizardSheet& Sheet() const { return *bar_->WizardSheet(); }

    platform::testing::TempEnvironment env_;
    platform::MessageBoxRecorder boxes_;
    testing::WorldFiles world_{env_};
    std::unique_ptr<NavDatabase> database_;
    std::unique_ptr<Route> route_;
    std::unique_ptr<QMainWindow> frame_;
    CWizardBar* bar_ = nullptr;
};

TEST_F(WizardBarTest, TenPagesEachMadeAtTheStartWithPageOneActive) {
    Start();
    EXPECT_EQ(qtplatform::FindControl<CWizardBar>(frame_.get(), kBarId), bar_);
    EXPECT_EQ(frame_->dockWidgetArea(bar_), Qt::LeftDockWidgetArea);
    EXPECT_EQ(Sheet().windowTitle(), "CWizardSheet");
    const std::vector<std::string> captions = {"General Info", "General Help", "Flight Plan", "Weather",  "Landing",
                                               "Emergency",    "ATC Sound",    "Planes",      "Briefing", "Real Time"};
    ASSERT_EQ(Sheet().GetPageCount(), static_cast<int>(captions.size()));
    for (int i = 0; i < Sheet().GetPageCount(); ++i) {
        EXPECT_EQ(Sheet().GetPage(i)->Caption(), captions[static_cast<size_t>(i)]);
        EXPECT_TRUE(Sheet().GetPage(i)->HasWindow()) << i;
    }
    EXPECT_EQ(Sheet().GetActiveIndex(), 0);
    EXPECT_FALSE(Sheet().isWindow());
    EXPECT_TRUE(boxes_.texts().empty());
}

// The two sheets share the bar's height: a tall bar shows the wizard at its place, 50
// pixels past its frame, whole; in a short one its pages scroll and every control can be
// brought into sight; the summary is never over the wizard and reaches below the top of
// the status bar.
TEST_F(WizardBarTest, TheSheetsShareTheBarsHeightAndEveryControlCanBeReached) {
    Start();
    const QScrollArea& scroll = *bar_->WizardScrollArea();
    const CSummarySheet& summary = *bar_->SummarySheet();
    const QRect grown = bar_->ControlRect(CWizardBar::kWizardFrame).adjusted(0, 0, 50, 50);
    for (const int height : {1050, 900, 640}) {
        SCOPED_TRACE(height);
        frame_->resize(1000, height);
        QApplication::processEvents();
        EXPECT_LT(scroll.geometry().bottom(), summary.geometry().top());
        EXPECT_GE(summary.height(), 120);
        const int statusTop = bar_->Client().mapFrom(frame_.get(), frame_->statusBar()->geometry().topLeft()).y();
        EXPECT_EQ(summary.geometry().bottom(), statusTop + 10);
        EXPECT_EQ(scroll.geometry().topLeft(), grown.topLeft());
        EXPECT_GE(Sheet().width(), grown.width());
        EXPECT_GE(bar_->Client().width(), scroll.geometry().right() + 1);
        EXPECT_EQ(summary.geometry().left(), scroll.geometry().left());
        EXPECT_EQ(summary.geometry().right(), scroll.geometry().right());
        if (height == 1050) {
            EXPECT_GE(scroll.height(), grown.height());
            EXPECT_FALSE(scroll.verticalScrollBar()->isVisible());
        }
        for (int index = 0; index < Sheet().GetPageCount(); ++index) {
            ASSERT_TRUE(Sheet().SetActivePage(index));
            for (QWidget* control : Sheet().GetPage(index)->findChildren<QWidget*>()) {
                if (qtplatform::ControlIdOf(control) == 0 || !control->isVisible()) continue;
                bar_->WizardScrollArea()->ensureWidgetVisible(control, 0, 0);
                const QRect shown(control->mapTo(scroll.viewport(), QPoint(0, 0)), control->size());
                const QRect viewport = scroll.viewport()->rect();
                // Whole when it fits, else as much as the view holds.
                EXPECT_TRUE(shown.height() <= viewport.height() ? viewport.contains(shown) : viewport.intersects(shown))
                    << index << " " << qtplatform::ControlIdOf(control);
            }
        }
    }
    ASSERT_TRUE(Sheet().SetActivePage(0));
}

TEST_F(WizardBarTest, SummaryListStaysEmptyAndFitsItsSheet) {
    Start();
    CSummarySheet& summary = *bar_->SummarySheet();
    EXPECT_EQ(summary.windowTitle(), "CSummarySheet");
    ASSERT_EQ(summary.GetPageCount(), 1);
    EXPECT_EQ(summary.GetPage(0)->Caption(), "Summary");
    auto* list = qtplatform::FindControl<QListWidget>(summary.GetPage(0), CSummaryPage1::kSummaryList);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), 0);
    EXPECT_EQ(list->width(), summary.width() - 10);
    EXPECT_EQ(list->height(), summary.height() - 30);
}

TEST_F(WizardBarTest, MissingDefaultFilesAreNamedInOneMessage) {
    const struct {
        std::initializer_list<const char*> present;
        const char* start;  // the message's start; null: no message
    } cases[] = {
        {{"QuilletDefault.bmp", "QuilletDefault.flt"},
         "The file 'QuilletDefault.brf' was not find in your default directory\nThis file is not crutial to the "
         "adventure but it is advised to have it\nQuillet will not be able to create the corect description of the "
         "adventure\n"},
        {{"QuilletDefault.brf"},
         "The files 'QuilletDefault.bmp' and 'QuilletDefault.flt' were not found in your default directory\n"},
        {{}, "The files 'QuilletDefault.bmp'. 'QuilletDefault.brf' and 'QuilletDefault.flt' were not found"},
    };
    for (const auto& test : cases) {
        boxes_.clear();
        std::filesystem::remove_all(env_.driveC() / "Quillet");
        Start(test.present);
        const auto shown = boxes_.shown();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text.rfind(test.start, 0), 0u) << shown[0].text;
        EXPECT_EQ(shown[0].icon, platform::MbIcon::Information);
        bar_ = nullptr;
        frame_.reset();
    }
}

TEST_F(WizardBarTest, BaseDirectoryGetsItsFinalBackslash) {
    Settings().WriteString(SettingId::Directory, "C:\\Quillet");
    Start();
    EXPECT_EQ(Sheet().BaseDirectory(), "C:\\Quillet\\");
    EXPECT_TRUE(boxes_.texts().empty());
}

TEST_F(WizardBarTest, HidingTheBarKeepsTheSheets) {
    Start();
    bar_->hide();
    bar_->show();
    EXPECT_TRUE(Sheet().isVisible());
    EXPECT_TRUE(boxes_.texts().empty());
}

}  // namespace
}  // namespace trevalo
