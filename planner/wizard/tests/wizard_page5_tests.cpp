// The landing page on a route: the airports with their procedure types, the default
// switch, a STAR chosen in "Select STAR/SID" and handed to the route and the flight plan,
// Cancel, an empty list, and airports past the fifty slots.
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QTest>
#include <QTreeWidget>

#include "map/sidstar_store.h"
#include "mapdialogs/select_sid_star_dlg.h"
#include "qtplatform/report_list.h"
#include "qtplatform/testing/qt_test.h"
#include "wizard_sheet_fixture.h"

namespace trevalo {
namespace {

using Page = CWizardPage5;
using Cells = std::vector<std::string>;

void DoubleClickRow(QTreeWidget& list, int row) {
    const QPoint at = list.visualRect(list.model()->index(row, 0)).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
}

class LandingPageTest : public testing::WizardSheetTest {
protected:
    void SetUp() override {
        AddSpringfieldAndBoeingField();
        Open(4);
    }
    CWizardPage5& Landing() const { return static_cast<CWizardPage5&>(*page_); }
    qtplatform::ReportList& List() const { return *Control<qtplatform::ReportList>(Page::kAirportList); }
    Cells Row(int row) const { return {List().Cell(row, 0), List().Cell(row, 1), List().Cell(row, 2)}; }
    // KSPF, then KBFI twice (landing, departing), then KSPF: four airports.
    void RouteOfFourAirports() {
        AddRouteAirport(spf_, "KSPF");
        AddRouteAirport(bfi_, "KBFI");
        AddRouteAirport(bfi_, "KBFI");
        AddRouteAirport(spf_, "KSPF");
        Landing().RefreshAirportList();
    }
    // A STAR of three legs stored for the runway the page asks for at the slot.
    void StoreStar(int slot, const std::string& ident) {
        const std::optional<SidStarRequest> request =
            SelectionRequestFor(Values().landing, route_->Points(), *database_, slot);
        ASSERT_TRUE(request.has_value());
        Procedure procedure;
        procedure.header.airportIdent = request->airportIdent;
        procedure.header.runway = request->runway;
        procedure.header.type = request->type;
        procedure.header.procedureIdent = ident;
        procedure.header.procedureName = ident + " ARRIVAL";
        for (int i = 0; i < 3; ++i) {
            ProcedureLeg leg;
            leg.latitude = request->latitude + 0.1 * (i + 1);
            leg.longitude = request->westLongitude;
            procedure.legs.push_back(leg);
        }
        ASSERT_TRUE(SidStarStore(testing::kBaseDirectory).Save(request->latitude, request->westLongitude, procedure));
    }
    // Answers the next "Select STAR/SID" with OK on its first row, or with Cancel.
    static void AnswerSelection(bool ok, std::vector<Cells>* listed = nullptr) {
        qtplatform::testing::WhenModalShown([=](QWidget* modal) {
            auto* list = qtplatform::FindControl<qtplatform::ReportList>(modal, CSelectSidStarDlg::kProcedureList);
            if (listed != nullptr)
                for (int row = 0; row < list->RowCount(); ++row)
                    listed->push_back({list->Cell(row, 0), list->Cell(row, 1), list->Cell(row, 2)});
            list->SelectRow(0);
            qtplatform::FindControl<QAbstractButton>(modal, ok ? qtplatform::kIdOk : qtplatform::kIdCancel)->click();
        });
    }
};

TEST_F(LandingPageTest, TheRouteAirportsAlternateSidAndStar) {
    RouteOfFourAirports();
    ASSERT_EQ(List().RowCount(), 4);
    EXPECT_EQ(Row(0), (Cells{"KSPF", "SID", "N/A"}));
    EXPECT_EQ(Row(1), (Cells{"KBFI", "STAR", "N/A"}));
    EXPECT_EQ(Row(2), (Cells{"KBFI", "SID", "N/A"}));
    EXPECT_EQ(Row(3), (Cells{"KSPF", "STAR", "N/A"}));
    EXPECT_EQ(Control<QLabel>(Page::kHelp)->text().toStdString(), kLandingPageHelp);
}

TEST_F(LandingPageTest, TheDefaultSwitchDisablesTheList) {
    EXPECT_FALSE(List().isEnabled());
    EXPECT_FALSE(Control(Page::kEditItem)->isEnabled());
    Click(Page::kDefault);
    EXPECT_EQ(Values().landing.defaultLanding, 0);
    EXPECT_FALSE(Control<QCheckBox>(Page::kDefaultLanding)->isChecked());
    EXPECT_TRUE(List().isEnabled());
    EXPECT_TRUE(Control(Page::kEditItem)->isEnabled());
    Click(Page::kDefaultLanding);
    EXPECT_EQ(Values().landing.defaultLanding, 1);
    EXPECT_FALSE(List().isEnabled());
}

TEST_F(LandingPageTest, AChosenStarGoesToTheRouteAndTheFlightPlan) {
    RouteOfFourAirports();
    StoreStar(1, "BFI1");
    Click(Page::kDefault);
    std::vector<Cells> listed;
    AnswerSelection(true, &listed);
    DoubleClickRow(List(), 1);
    EXPECT_EQ(listed, (std::vector<Cells>{{"BFI1", "BFI1 ARRIVAL", "STAR"}}));
    EXPECT_EQ(Row(1), (Cells{"KBFI", "STAR", "BFI1"}));
    const adf::LandingSlot& slot = Values().landing.airports[1];
    EXPECT_EQ(slot.ident, "BFI1");
    EXPECT_EQ(slot.legs.size(), 3u);
    const SidStar& star = route_->Points()[1].procedure;
    EXPECT_EQ(star.GetSize(), 3);
    EXPECT_EQ(star.head, 0);
    EXPECT_STREQ(star.firstName, "BFI1");
    const std::vector<RouteRecord> points = LandingSlotProcedures(Values().landing).ProcedurePoints(1);
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[0].ident, "USER");

    // Cancel keeps it; the selection is offered with the earlier choice.
    AnswerSelection(false);
    Landing().ChooseProcedure(1);
    EXPECT_EQ(Values().landing.airports[1].ident, "BFI1");
    EXPECT_EQ(route_->Points()[1].procedure.GetSize(), 3);
    // Another airport in its place has no procedure.
    CRoutePoint other;
    other.type = kPointAirport;
    other.databaseNumber = spf_;
    other.ident = "KPAE";
    route_->Points()[1] = other;
    Landing().RefreshAirportList();
    EXPECT_EQ(Row(1), (Cells{"KPAE", "STAR", "N/A"}));
    EXPECT_FALSE(route_->Points()[1].HasProcedure());
}

TEST_F(LandingPageTest, NothingToChooseOnAnEmptyListOrPastTheSlots) {
    Click(Page::kDefault);
    bool selectionShown = false;
    qtplatform::testing::WhenModalShown([&](QWidget* modal) {
        selectionShown = dynamic_cast<CSelectSidStarDlg*>(modal) != nullptr;
        modal->close();
    });
    Landing().ChooseProcedure();
    for (int i = 0; i < 60; ++i) AddRouteAirport(spf_, "KSPF");
    Landing().RefreshAirportList();
    ASSERT_EQ(List().RowCount(), 60);
    EXPECT_EQ(Row(55), (Cells{"KSPF", "STAR", "N/A"}));
    Landing().ChooseProcedure(55);
    // The first modal box after them is the probe's, not a selection.
    QDialog probe(page_);
    probe.exec();
    EXPECT_FALSE(selectionShown);
}

}  // namespace
}  // namespace trevalo
