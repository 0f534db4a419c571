#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "dialog_test_helpers.h"
#include "mapdialogs/holding_airports_dlg.h"
#include "mapdialogs/holding_radio_dlg.h"
#include "mapdialogs/holding_summary.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/testing/qt_test.h"
#include "route_fixture.h"

namespace trevalo {
namespace {

using platform::MbIcon;
using testing::RowCells;

// Navaid indexes of the world's list: 0 the Springfield VOR, 1 the Otherton NDB (some
// 12 nm from Otherton), 2 the Otherton VOR, 3 the Thirdton DME (some 60 nm from Otherton).
constexpr int kOthertonNdb = 1;
constexpr int kThirdtonDme = 3;
const std::string kOthertonNdbText = std::string(8, ' ') + "OT" + std::string(38, ' ') + "OTHERTON NDB1";
const std::string kThirdtonDmeText = std::string(7, ' ') + "THD" + std::string(38, ' ') + "THIRDTON DME3";

class HoldingDlgTest : public testing::RouteWorldTest {
protected:
    void SetUp() override {
        RouteWorldTest::SetUp();
        points_ = {testing::AirportPoint(*database_, spf_, true), testing::NavaidPoint(*database_, vorSpf_),
                   testing::AirportPoint(*database_, otr_, false), testing::AirportPoint(*database_, thr_, true)};
    }

    void ShowAirports() {
        airports_.SetRoute(&points_, &database_->navaidLines);
        airports_.show();
    }
    qtplatform::ReportList& AirportList() {
        return *qtplatform::FindControl<qtplatform::ReportList>(&airports_, CHoldingAirportsDlg::kAirportList);
    }
    QPushButton& EditButton() { return *qtplatform::FindControl<QPushButton>(&airports_, CHoldingAirportsDlg::kEdit); }
    QLineEdit& RangeEdit() { return *qtplatform::FindControl<QLineEdit>(&airports_, CHoldingAirportsDlg::kRange); }

    // Edits the selected airport; act answers the Holding Radio dialog and returns its texts.
    std::vector<std::string> EditWith(const std::function<void(CHoldingRadioDlg&)>& act) {
        std::vector<std::string> texts;
        bool answered = false;
        qtplatform::testing::WhenModalShown([&](QWidget* modal) {
            auto* radio = dynamic_cast<CHoldingRadioDlg*>(modal);
            if (radio == nullptr) return;
            texts = radio->ItemTexts();
            act(*radio);
            answered = true;
        });
        EditButton().click();
        EXPECT_TRUE(answered);
        return texts;
    }

    std::vector<CRoutePoint> points_;
    CHoldingAirportsDlg airports_;
};

TEST_F(HoldingDlgTest, ListsTheRouteAirportsWithTheTextsOfTheirChoice) {
    struct Case {
        double holding;
        std::string id, name;
    };
    const Case cases[] = {
        {kOthertonNdb, "OT", "OTHERTON NDB"},
        {kHolding10Nm, "10nm", "Holding point"},
        {kHoldingNotPlaced, "Not available", ""},
        {kNoHolding, "No Holding", "patern at this Airport"},
        {0.0, "", ""},
    };
    for (const Case& c : cases) {
        points_[0].holding = kHolding10Nm;
        points_[3].holding = c.holding;
        ShowAirports();
        ASSERT_EQ(AirportList().RowCount(), 3) << c.holding;
        EXPECT_EQ(RowCells(AirportList(), 0), (std::vector<std::string>{"KSPF", "Departure", "Airport"}));
        EXPECT_EQ(points_[0].holding, kHoldingNotPlaced);
        EXPECT_EQ(RowCells(AirportList(), 2), (std::vector<std::string>{"KTHR", c.id, c.name})) << c.holding;
        airports_.hide();
    }
    EXPECT_EQ(airports_.windowTitle(), "Holding Airports");
    EXPECT_EQ(testing::ColumnTitles(AirportList()), (std::vector<std::string>{"Airport", "Navaid ID", "Navaid Name"}));
}

// The summary names the landing airports with a placed choice; it is empty while none is.
TEST_F(HoldingDlgTest, TheSummaryNamesThePlacedChoices) {
    struct Case {
        double departure, otherton, thirdton;
        std::string summary;
    };
    const Case cases[] = {
        {kHoldingNotPlaced, kHoldingNotPlaced, kHoldingNotPlaced, ""},
        // The departure's value is never a holding; 0 shows nothing in the list.
        {kHolding10Nm, 0.0, kHoldingNotPlaced, ""},
        {kHoldingNotPlaced, kOthertonNdb, kHolding10Nm, "KOTR OT OTHERTON NDB\nKTHR 10nm Holding point"},
        {kHoldingNotPlaced, kHoldingNotPlaced, kNoHolding, "KTHR No Holding patern at this Airport"},
    };
    for (const Case& c : cases) {
        points_[0].holding = c.departure;
        points_[2].holding = c.otherton;
        points_[3].holding = c.thirdton;
        EXPECT_EQ(HoldingSummary(points_, &database_->navaidLines), c.summary) << c.otherton << " " << c.thirdton;
    }
}

TEST_F(HoldingDlgTest, TheFirstRowRefusesEdit) {
    const std::vector<CRoutePoint> world = points_;
    struct Case {
        const char* what;
        std::vector<CRoutePoint> route;
        int rows;
    };
    const Case cases[] = {
        {"one airport", {world[0]}, 1},
        // The first row is the first airport though the route opens with a VOR.
        {"a VOR, then two airports", {world[1], world[2], world[3]}, 2},
    };
    for (const Case& c : cases) {
        points_ = c.route;
        ShowAirports();
        ASSERT_EQ(AirportList().RowCount(), c.rows) << c.what;
        AirportList().SelectRow(0);
        EXPECT_FALSE(EditButton().isEnabled()) << c.what;

        platform::MessageBoxRecorder boxes;
        testing::DoubleClickRow(AirportList(), 0);
        ASSERT_EQ(boxes.shown().size(), 1u) << c.what;
        EXPECT_EQ(boxes.shown()[0].text, "The departure airport does not have a holding point");
        EXPECT_EQ(boxes.shown()[0].icon, MbIcon::Information);
        airports_.hide();
    }
}

TEST_F(HoldingDlgTest, EditIsEnabledForAnyRowButTheDeparture) {
    ShowAirports();
    EXPECT_FALSE(EditButton().isEnabled());
    AirportList().SelectRow(1);
    EXPECT_TRUE(EditButton().isEnabled());
    AirportList().SelectRow(0);
    EXPECT_FALSE(EditButton().isEnabled());
}

TEST_F(HoldingDlgTest, ARangeOutside5To500IsResetTo20) {
    struct Case {
        const char* typed;
        const char* shown;
        bool refused;
    };
    const Case cases[] = {{"3", "20", true}, {"501", "20", true}, {"5", "5", false}, {"500", "500", false}};
    ShowAirports();
    for (const Case& c : cases) {
        platform::MessageBoxRecorder boxes;
        RangeEdit().setText(c.typed);
        emit RangeEdit().editingFinished();
        EXPECT_EQ(RangeEdit().text().toStdString(), c.shown) << c.typed;
        EXPECT_EQ(boxes.texts(),
                  c.refused ? std::vector<std::string>{"The ranges are 5nm to 500nm"} : std::vector<std::string>{})
            << c.typed;
    }
}

TEST_F(HoldingDlgTest, EditOffersTheNavaidsInRangeAndStoresTheChoice) {
    ShowAirports();
    AirportList().SelectRow(1);  // Otherton
    std::vector<std::string> texts = EditWith([](CHoldingRadioDlg& radio) {
        testing::DoubleClickItem(*qtplatform::FindControl<QListWidget>(&radio, CHoldingRadioDlg::kNavaidList), 0);
    });
    EXPECT_EQ(texts, std::vector<std::string>{kOthertonNdbText});
    EXPECT_EQ(points_[2].holding, kOthertonNdb);
    EXPECT_EQ(RowCells(AirportList(), 1), (std::vector<std::string>{"KOTR", "OT", "OTHERTON NDB"}));

    // Without the range every navaid but the ILS and VORs; No Holding closes at once.
    qtplatform::FindControl<QCheckBox>(&airports_, CHoldingAirportsDlg::kOnlyWithinRange)->setChecked(false);
    AirportList().SelectRow(1);
    texts = EditWith([](CHoldingRadioDlg& radio) {
        qtplatform::FindControl<QCheckBox>(&radio, CHoldingRadioDlg::kNoHolding)->click();
    });
    EXPECT_EQ(texts, (std::vector<std::string>{kOthertonNdbText, kThirdtonDmeText}));
    EXPECT_EQ(points_[2].holding, kNoHolding);
    EXPECT_EQ(RowCells(AirportList(), 1), (std::vector<std::string>{"KOTR", "No Holding", "patern at this Airport"}));
}

TEST_F(HoldingDlgTest, HoldingRadioChoices) {
    const CRoutePoint& otherton = points_[2];
    struct Case {
        const char* what;
        int current;
        std::function<void(CHoldingRadioDlg&, QListWidget&)> act;
        int result;
        int selectedRow;
    };
    const Case cases[] = {
        {"double-click", -1, [](CHoldingRadioDlg&, QListWidget& list) { testing::DoubleClickItem(list, 1); },
         kThirdtonDme, 0},
        {"OK on the selected current choice", kThirdtonDme,
         [](CHoldingRadioDlg& radio, QListWidget&) { qtplatform::FindControl<QPushButton>(&radio, 1)->click(); },
         kThirdtonDme, 1},
        {"OK with nothing selected", -1,
         [](CHoldingRadioDlg& radio, QListWidget& list) {
             list.clearSelection();
             qtplatform::FindControl<QPushButton>(&radio, 1)->click();
             EXPECT_TRUE(qtplatform::FindControl<QCheckBox>(&radio, CHoldingRadioDlg::kWithin10Nm)->isChecked());
         },
         -1, 0},
        {"within 10 nm", kOthertonNdb,
         [](CHoldingRadioDlg& radio, QListWidget&) {
             qtplatform::FindControl<QCheckBox>(&radio, CHoldingRadioDlg::kWithin10Nm)->click();
         },
         -1, 0},
    };
    for (const Case& c : cases) {
        CHoldingRadioDlg radio(otherton.x, otherton.y, &database_->navaidLines, -1);
        radio.SetResult(c.current);
        radio.show();
        EXPECT_EQ(radio.windowTitle(), "Holding Radio");
        auto& list = *qtplatform::FindControl<QListWidget>(&radio, CHoldingRadioDlg::kNavaidList);
        ASSERT_EQ(list.count(), 2) << c.what;
        EXPECT_EQ(list.currentRow(), c.selectedRow) << c.what;
        c.act(radio, list);
        EXPECT_EQ(radio.result(), QDialog::Accepted) << c.what;
        EXPECT_EQ(radio.Result(), c.result) << c.what;
    }
}

TEST_F(HoldingDlgTest, HoldingRadioWithoutANavaidListListsNothing) {
    CHoldingRadioDlg radio(0.0, 0.0, nullptr, -1);
    radio.show();
    EXPECT_EQ(qtplatform::FindControl<QListWidget>(&radio, CHoldingRadioDlg::kNavaidList)->count(), 0);
}

}  // namespace
}  // namespace trevalo
