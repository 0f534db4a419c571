// The emergency page: its check boxes and failure chance into the values and back, the
// chance's spin within 0 to 99, "&Select All", and "Crash >" showing the frame's menu.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "page_sheet.h"
#include "platform/message_box.h"
#include "qtplatform/testing/qt_test.h"
#include "wizard/wizard_page6.h"

namespace trevalo {
namespace {

using Page = CWizardPage6;
using E = adf::EmergencyValues;

class EmergencyPageTest : public ::testing::Test {
protected:
    QLineEdit* Percent() const { return sheet_.Control<QLineEdit>(Page::kPercent); }
    QPushButton* SelectAll() const { return sheet_.Control<QPushButton>(Page::kSelectAll); }
    std::vector<int> FailureFlags() const {
        std::vector<int> flags;
        for (int E::*item : adf::kFailureItems) flags.push_back(values_.*item);
        return flags;
    }

    platform::MessageBoxRecorder boxes_;
    adf::EmergencyValues values_;
    Page page_{values_};
    testing::PageSheet sheet_{page_};
};

TEST_F(EmergencyPageTest, EachCheckBoxIsItsOwnValue) {
    struct Case {
        int id;
        int E::*member;
    };
    const Case cases[] = {
        {Page::kAdf, &E::adf},
        {Page::kAirspeedIndicator, &E::airspeedIndicator},
        {Page::kAltimeter, &E::altimeter},
        {Page::kAttitudeIndicator, &E::attitudeIndicator},
        {Page::kAutopilot, &E::autopilot},
        {Page::kEngine1, &E::engine1},
        {Page::kEngine2, &E::engine2},
        {Page::kEngine3, &E::engine3},
        {Page::kEngine4, &E::engine4},
        {Page::kGear1, &E::gear1},
        {Page::kGear2, &E::gear2},
        {Page::kGear3, &E::gear3},
        {Page::kHeadingIndicator, &E::headingIndicator},
        {Page::kNav, &E::nav},
        {Page::kPanelLight, &E::panelLight},
        {Page::kStrobe, &E::strobe},
        {Page::kTransponder, &E::transponder},
        {Page::kTurnCoordinator, &E::turnCoordinator},
        {Page::kVerticalSpeed, &E::verticalSpeed},
        {Page::kDisplayWhenFails, &E::displayWhenFails},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        const adf::EmergencyValues before = values_;
        auto* box = sheet_.Control<QCheckBox>(c.id);
        ASSERT_NE(box, nullptr);
        box->click();
        ASSERT_TRUE(page_.UpdateData(true));
        adf::EmergencyValues expected = before;
        expected.*c.member ^= 1;
        EXPECT_EQ(values_, expected);
        // And back: the value shown again.
        values_.*c.member ^= 1;
        page_.ShowValues();
        EXPECT_EQ(box->isChecked(), values_.*c.member != 0);
    }
}

TEST_F(EmergencyPageTest, TheSpinStepsTheChanceWithinItsRange) {
    struct Case {
        const char* typed;
        int delta;  // -1: up arrow
        int expected;
    };
    const Case cases[] = {
        {"20", -1, 21}, {"20", 1, 19}, {"99", -1, 99}, {"0", 1, 0}, {"1", 1, 0}, {"98", -1, 99},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Percent()->setText(c.typed);
        page_.OnPercentSpin(c.delta);
        EXPECT_EQ(values_.failureChance, c.expected);
        EXPECT_EQ(Percent()->text().toStdString(), std::to_string(c.expected));
    }
    EXPECT_TRUE(boxes_.texts().empty());
}

TEST_F(EmergencyPageTest, AChanceOutOfRangeIsRefusedAndKeepsThePage) {
    for (const char* typed : {"100", "-1"}) {
        Percent()->setText(typed);
        page_.OnPercentSpin(1);
        EXPECT_FALSE(sheet_.LeavePage());
        EXPECT_EQ(sheet_.GetActiveIndex(), 0);
    }
    EXPECT_EQ(values_.failureChance, 20);
    EXPECT_EQ(boxes_.texts(), std::vector<std::string>(4, "Please enter an integer between 0 and 99."));
    Percent()->setText("35");
    EXPECT_TRUE(sheet_.LeavePage());
    EXPECT_EQ(values_.failureChance, 35);
}

TEST_F(EmergencyPageTest, SelectAllSetsEveryFailureAndTheAnnouncementThenResetsThem) {
    SelectAll()->click();
    EXPECT_EQ(SelectAll()->text(), kResetAllCaption);
    EXPECT_EQ(FailureFlags(), std::vector<int>(19, 1));
    EXPECT_EQ(values_.displayWhenFails, 1);
    EXPECT_TRUE(sheet_.Control<QCheckBox>(Page::kGear3)->isChecked());
    SelectAll()->click();
    EXPECT_EQ(SelectAll()->text(), kSelectAllCaption);
    EXPECT_EQ(FailureFlags(), std::vector<int>(19, 0));
    EXPECT_EQ(values_.displayWhenFails, 0);
    EXPECT_FALSE(sheet_.Control<QCheckBox>(Page::kDisplayWhenFails)->isChecked());
}

TEST_F(EmergencyPageTest, CrashShowsTheFramesMenuCentredUnderTheButton) {
    auto* crash = sheet_.Control<QPushButton>(Page::kCrash);
    crash->click();  // no menu given: nothing to show
    QMenu menu;
    menu.addAction(QStringLiteral("Ignore Crash"));
    page_.SetCrashMenu(&menu);
    crash->click();
    ASSERT_TRUE(qtplatform::testing::ProcessEventsUntil([&] { return menu.isVisible(); }));
    const QPoint below = crash->mapToGlobal(QPoint(crash->width() / 2, crash->height()));
    EXPECT_EQ(menu.geometry().top(), below.y());
    EXPECT_NEAR(menu.geometry().center().x(), below.x(), 2);
    menu.hide();
}

}  // namespace
}  // namespace trevalo
