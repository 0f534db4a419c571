// The briefing page: its switches and texts into the values and back, the edits that
// follow their switches, and the flight time estimated from the route.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "adf/briefing_file.h"
#include "page_sheet.h"
#include "platform/message_box.h"
#include "testing/temp_environment.h"
#include "wizard/wizard_page9.h"

namespace trevalo {
namespace {

using Page = CWizardPage9;

// A point on the equator, the longitude in nautical miles east of 0 (one per arc minute).
CRoutePoint PointAt(double eastNm) {
    CRoutePoint point;
    point.x = eastNm * 60;
    point.y = 0;
    point.type = kPointAirport;
    return point;
}

class BriefingPageTest : public ::testing::Test {
protected:
    template <class T>
    T* Control(int id) const {
        return sheet_.Control<T>(id);
    }

    platform::testing::TempEnvironment env_;
    platform::MessageBoxRecorder boxes_;
    adf::WizardValues values_;
    std::unique_ptr<NavDatabase> database_ = std::make_unique<NavDatabase>("C:\\Quillet\\");
    Route route_{*database_};
    Page page_{values_, route_};
    testing::PageSheet sheet_{page_};
};

TEST_F(BriefingPageTest, ShowsTheDefaultsAndTakesWhatIsTyped) {
    EXPECT_EQ(Control<QPlainTextEdit>(Page::kDescriptionText)->toPlainText(), adf::kDefaultBriefingDescription);
    EXPECT_EQ(Control<QPlainTextEdit>(Page::kBriefingText)->toPlainText(), adf::kDefaultBriefingText);
    EXPECT_EQ(Control<QLineEdit>(Page::kComputedEstimate)->text(), "N/A");
    for (int id : {Page::kGiveTitle, Page::kGivePlaneName, Page::kGiveKeyDescriptions, Page::kGiveEstimatedTime,
                   Page::kGiveDescription, Page::kGiveBriefing})
        EXPECT_TRUE(Control<QCheckBox>(id)->isChecked()) << id;

    Control<QPlainTextEdit>(Page::kDescriptionText)->setPlainText("Line one\nLine two");
    Control<QLineEdit>(Page::kUserEstimate)->setText("about an hour");
    Control<QCheckBox>(Page::kGiveTitle)->click();
    Control<QCheckBox>(Page::kGiveKeyDescriptions)->click();
    ASSERT_TRUE(sheet_.LeavePage());
    const adf::BriefingValues& briefing = values_.briefing;
    EXPECT_EQ(briefing.descriptionText, "Line one\nLine two");
    EXPECT_EQ(briefing.userEstimate, "about an hour");
    EXPECT_EQ(briefing.giveTitle, 0);
    EXPECT_EQ(briefing.giveKeyDescriptions, 0);
    EXPECT_EQ(briefing.givePlaneName, 1);
}

TEST_F(BriefingPageTest, EachTextFollowsItsSwitch) {
    struct Case {
        int box;
        int edit;
    };
    for (const Case& c :
         {Case{Page::kGiveEstimatedTime, Page::kUserEstimate}, Case{Page::kGiveDescription, Page::kDescriptionText},
          Case{Page::kGiveBriefing, Page::kBriefingText}}) {
        SCOPED_TRACE(c.box);
        auto* box = Control<QCheckBox>(c.box);
        QWidget* edit = Control<QWidget>(c.edit);
        EXPECT_TRUE(edit->isEnabled());
        box->click();
        EXPECT_FALSE(edit->isEnabled());
        box->click();
        EXPECT_TRUE(edit->isEnabled());
    }
}

TEST_F(BriefingPageTest, TheEstimateFollowsTheRouteAndThePlanesCruiseSpeed) {
    route_.Points() = {PointAt(0), PointAt(200)};
    values_.plane.performance.cruiseSpeed = 100;
    page_.Refresh();
    EXPECT_EQ(Control<QLineEdit>(Page::kComputedEstimate)->text(), "02:40 hr(s)");
    EXPECT_EQ(values_.briefing.computedEstimate, "02:40 hr(s)");
    // A definition read with other values: shown, the estimate computed again.
    values_.briefing.giveDescription = 0;
    values_.plane.performance.cruiseSpeed = 200;
    page_.ShowValues();
    EXPECT_FALSE(Control<QCheckBox>(Page::kGiveDescription)->isChecked());
    EXPECT_FALSE(Control<QPlainTextEdit>(Page::kDescriptionText)->isEnabled());
    EXPECT_EQ(Control<QLineEdit>(Page::kComputedEstimate)->text(), "01:40 hr(s)");
}

TEST_F(BriefingPageTest, WritesTheBriefingFileWholeOrSaysItCouldNot) {
    values_.general.title = "Bay Hop";
    values_.briefing.giveKeyDescriptions = 0;
    env_.writeFile("drive_c/Adv/Bay Hop.brf", "the default briefing, longer than what replaces it");
    ASSERT_TRUE(page_.WriteBriefingFile("  C:\\Adv\\Bay Hop.brf "));
    const std::string written = env_.readFile(env_.driveC() / "Adv/Bay Hop.brf");
    EXPECT_EQ(written.rfind("Bay Hop\r\n\r\nPLANE\r\n", 0), 0u) << written;
    EXPECT_NE(written.find("Approximately N/A\r\n\r\n"), std::string::npos);
    EXPECT_TRUE(boxes_.texts().empty());

    EXPECT_FALSE(page_.WriteBriefingFile("C:\\Missing folder\\Bay Hop.brf"));
    EXPECT_EQ(boxes_.texts(), std::vector<std::string>{adf::kBriefingNotCreatedMessage});
}

}  // namespace
}  // namespace trevalo
