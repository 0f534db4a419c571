// The emergency page: its check boxes and failure chance into the values and back, the
// chance's spin within 0 to 99, "&Select All", and the crash menu's marks.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "page_sheet.h"
#include "platform/message_box.h"
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

TEST_F(EmergencyPageTest, TheCrashMenuSetsTheModeAndFlagsThatKeepTheirTicksWhileIgnored) {
    QMenu* menu = page_.CrashMenu();
    QList<QAction*> actions = menu->actions();
    actions.removeIf([](const QAction* action) { return action->isSeparator(); });
    ASSERT_EQ(actions.size(), 6);
    EXPECT_EQ(actions[0]->text(), "Ignore Crash");
    EXPECT_EQ(actions[5]->text(), "&Can collide with scenery");

    actions[4]->trigger();  // off-runway crash
    EXPECT_EQ(values_.offRunwayCrash, 1);
    actions[0]->trigger();
    EXPECT_EQ(values_.crashMode, adf::kIgnoreCrash);
    emit menu->aboutToShow();
    EXPECT_TRUE(actions[0]->isChecked());
    EXPECT_FALSE(actions[1]->isChecked());
    for (int flag : {3, 4, 5}) EXPECT_FALSE(actions[flag]->isEnabled());
    EXPECT_TRUE(actions[3]->isChecked());  // stress damage, on by default
    EXPECT_TRUE(actions[4]->isChecked());
    EXPECT_FALSE(actions[5]->isChecked());

    actions[2]->trigger();
    emit menu->aboutToShow();
    EXPECT_EQ(values_.crashMode, adf::kDetectCrashAndShowGraph);
    EXPECT_TRUE(actions[2]->isChecked());
    EXPECT_TRUE(actions[5]->isEnabled());
}

}  // namespace
}  // namespace trevalo
