#include "qtplatform/property_sheet.h"

#include <gtest/gtest.h>

#include <QFrame>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QVBoxLayout>
#include <string>
#include <vector>

#include "platform/message_box.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/dialog_bar.h"
#include "qtplatform/dialog_units.h"

namespace qtplatform {
namespace {

using Journal = std::vector<std::string>;

// A page with a count from 0 to 99 that writes each hook it takes into the journal.
class JournalPage : public PropertyPage {
public:
    enum Control : int { kCount = 1001 };

    JournalPage(std::string caption, Journal& journal)
        : PropertyPage(caption), journal_(journal), count_(WithId(new QLineEdit, kCount)) {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(count_);
    }

    QLineEdit& CountEdit() { return *count_; }
    int count = 5;

protected:
    void DoDataExchange(DataExchange& dx) override {
        dx.Int(kCount, count);
        dx.MinMaxInt(count, 0, 99);
    }
    bool OnInitDialog() override {
        Note("init");
        return PropertyPage::OnInitDialog();
    }
    bool OnSetActive() override {
        Note("set");
        return PropertyPage::OnSetActive();
    }
    bool OnKillActive() override {
        Note("kill");
        return PropertyPage::OnKillActive();
    }
    void OnOK() override { Note("ok"); }
    void OnCancel() override { Note("cancel"); }

private:
    void Note(const char* hook) { journal_.push_back(Caption() + " " + hook); }

    Journal& journal_;
    QLineEdit* count_;
};

class ThreePageSheet : public PropertySheet {
public:
    explicit ThreePageSheet(QWidget* parent = nullptr) : PropertySheet("Sheet", parent) {
        AddPage(a);
        AddPage(b);
        AddPage(c);
    }
    Journal journal;
    JournalPage a{"A", journal}, b{"B", journal}, c{"C", journal};
};

class PropertySheetTest : public ::testing::Test {
protected:
    // The journal from here on.
    Journal Since() {
        Journal since(sheet_.journal.begin() + static_cast<std::ptrdiff_t>(seen_), sheet_.journal.end());
        seen_ = sheet_.journal.size();
        return since;
    }
    QTabBar& Tabs() { return *sheet_.findChild<QTabBar*>(); }
    void Click(int id) { FindControl<QPushButton>(&sheet_, id)->click(); }

    platform::MessageBoxRecorder boxes_;
    ThreePageSheet sheet_;
    std::size_t seen_ = 0;
};

TEST_F(PropertySheetTest, APageWindowIsMadeOnItsFirstActivationAndTheHooksComeInOrder) {
    EXPECT_EQ(Tabs().count(), 3);
    EXPECT_EQ(Tabs().tabText(1), "B");
    EXPECT_FALSE(sheet_.a.HasWindow());
    sheet_.show();
    EXPECT_EQ(Since(), (Journal{"A init", "A set"}));
    EXPECT_EQ(sheet_.a.CountEdit().text(), "5");
    EXPECT_FALSE(sheet_.b.HasWindow());
    EXPECT_FALSE(sheet_.c.HasWindow());

    ASSERT_TRUE(sheet_.SetActivePage(2));
    EXPECT_EQ(Since(), (Journal{"A kill", "C init", "C set"}));
    EXPECT_EQ(sheet_.GetActivePage(), &sheet_.c);
    EXPECT_EQ(Tabs().currentIndex(), 2);
    ASSERT_TRUE(sheet_.SetActivePage(sheet_.a));
    EXPECT_EQ(Since(), (Journal{"C kill", "A set"}));

    // A click on a tab, as the user does it.
    QTest::mouseClick(&Tabs(), Qt::LeftButton, {}, Tabs().tabRect(1).center());
    EXPECT_EQ(Since(), (Journal{"A kill", "B init", "B set"}));
    EXPECT_EQ(sheet_.GetActiveIndex(), 1);
    EXPECT_TRUE(sheet_.b.HasWindow());
}

TEST_F(PropertySheetTest, ARefusedValueKeepsItsPage) {
    sheet_.show();
    sheet_.a.CountEdit().setText("100");
    Tabs().setCurrentIndex(1);
    EXPECT_EQ(boxes_.texts(), (std::vector<std::string>{"Please enter an integer between 0 and 99."}));
    EXPECT_EQ(sheet_.GetActivePage(), &sheet_.a);
    EXPECT_EQ(Tabs().currentIndex(), 0);
    EXPECT_FALSE(sheet_.b.HasWindow());
    EXPECT_EQ(sheet_.focusWidget(), &sheet_.a.CountEdit());

    Click(kIdOk);  // OK lets go of the page first: refused again, the sheet stays
    EXPECT_TRUE(sheet_.isVisible());
    EXPECT_EQ(boxes_.shown().size(), 2u);
}

TEST_F(PropertySheetTest, OkReachesEveryPageWithAWindowAndTheNextRunMakesThemAgain) {
    sheet_.SetActivePage(2);  // the start page
    sheet_.show();
    sheet_.SetActivePage(0);
    sheet_.a.CountEdit().setText("42");
    Since();
    Click(kIdOk);
    EXPECT_EQ(Since(), (Journal{"A kill", "A ok", "C ok"}));  // B was never shown
    EXPECT_EQ(sheet_.result(), QDialog::Accepted);
    EXPECT_EQ(sheet_.a.count, 42);
    EXPECT_FALSE(sheet_.a.HasWindow());
    EXPECT_EQ(sheet_.GetActiveIndex(), 2);

    sheet_.show();
    EXPECT_EQ(Since(), (Journal{"C init", "C set"}));
    Click(kIdCancel);
    EXPECT_EQ(Since(), (Journal{"C cancel"}));
    EXPECT_EQ(sheet_.result(), QDialog::Rejected);
}

TEST_F(PropertySheetTest, ApplyFollowsTheModifiedPagesAndKeepsTheSheetOpen) {
    sheet_.show();
    QPushButton* apply = FindControl<QPushButton>(&sheet_, kIdApplyNow);
    ASSERT_NE(apply, nullptr);
    EXPECT_EQ(apply->text(), "&Apply");
    EXPECT_FALSE(apply->isEnabled());
    sheet_.a.CountEdit().setText("7");
    sheet_.a.SetModified();
    EXPECT_TRUE(apply->isEnabled());
    Since();
    apply->click();
    EXPECT_EQ(Since(), (Journal{"A kill", "A ok"}));
    EXPECT_EQ(sheet_.a.count, 7);
    EXPECT_FALSE(apply->isEnabled());
    EXPECT_TRUE(sheet_.isVisible());
}

// A sheet in a bar docked at the left of a main window, as the wizard's sheets live.
TEST(PropertySheetInABar, ACreatedSheetHasNoButtonsAndLivesThroughHidingTheBar) {
    constexpr int kBarId = 32800;
    constexpr int kSheetFrame = 1040;
    QMainWindow frame;
    auto* bar = new DialogBar(frame, kBarId, Qt::LeftDockWidgetArea, QSize(230, 520));
    bar->AddControl(new QFrame, kSheetFrame, QRect(4, 4, 223, 331));
    frame.show();
    EXPECT_EQ(FindControl<DialogBar>(&frame, kBarId), bar);
    EXPECT_EQ(frame.dockWidgetArea(bar), Qt::LeftDockWidgetArea);
    const QRect place = bar->ControlRect(kSheetFrame);
    EXPECT_EQ(place.size(), DialogUnitsToPixels(bar->Client(), QSize(223, 331)));
    EXPECT_TRUE(bar->ControlRect(4711).isEmpty());

    ThreePageSheet sheet;
    sheet.Create(&bar->Client());
    sheet.setGeometry(place.adjusted(0, 0, 50, 50));
    EXPECT_FALSE(sheet.isWindow());
    EXPECT_EQ(sheet.geometry().width(), place.width() + 50);
    EXPECT_TRUE(sheet.isVisible());
    EXPECT_EQ(sheet.journal, (Journal{"A init", "A set"}));
    EXPECT_FALSE(FindControl<QPushButton>(&sheet, kIdOk)->isVisible());

    QTest::keyClick(&sheet.a.CountEdit(), Qt::Key_Escape);
    bar->hide();
    bar->show();
    EXPECT_TRUE(sheet.isVisible());
    EXPECT_TRUE(sheet.a.HasWindow());
    EXPECT_EQ(sheet.journal, (Journal{"A init", "A set"}));
}

// Qt's warnings while it lives.
class WarningCollector {
public:
    WarningCollector() {
        Warnings().clear();
        previous_ = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type != QtDebugMsg && type != QtInfoMsg) Warnings().push_back(text.toStdString());
        });
    }
    ~WarningCollector() { qInstallMessageHandler(previous_); }
    static std::vector<std::string>& Warnings() {
        static std::vector<std::string> warnings;
        return warnings;
    }

private:
    QtMessageHandler previous_;
};

// A page without a layout, its control placed by hand, as the wizard's summary page.
class HandPlacedPage : public PropertyPage {
public:
    HandPlacedPage() : PropertyPage("Placed") { (new QLineEdit(this))->setGeometry(0, 0, 80, 20); }
};

TEST(PropertySheetOfHandPlacedPages, RunsWithoutAWordOnTheConsole) {
    QWidget parent;
    HandPlacedPage page;
    PropertySheet sheet("Sheet");
    sheet.AddPage(page);
    const WarningCollector collector;
    sheet.Create(&parent);
    parent.show();
    EXPECT_TRUE(page.HasWindow());
    EXPECT_EQ(WarningCollector::Warnings(), std::vector<std::string>{});
}

}  // namespace
}  // namespace qtplatform
