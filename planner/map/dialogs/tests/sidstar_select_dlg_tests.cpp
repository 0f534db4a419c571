#include <gtest/gtest.h>

#include <QPushButton>
#include <array>

#include "dialog_test_helpers.h"
#include "map/sidstar_tile_writer.h"
#include "mapdialogs/select_navaid_dlg.h"
#include "mapdialogs/select_sid_star_dlg.h"
#include "navdata_testing/scenery_lines.h"
#include "platform/message_box.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/report_list.h"
#include "testing/temp_environment.h"

namespace trevalo {
namespace {

using testing::RowCells;
using Cells = std::vector<std::string>;

constexpr const char* kBase = "C:\\Quillet\\";

qtplatform::ReportList& List(const QWidget& dialog, int id) {
    return *qtplatform::FindControl<qtplatform::ReportList>(&dialog, id);
}

void Ok(QWidget& dialog) { qtplatform::FindControl<QPushButton>(&dialog, qtplatform::kIdOk)->click(); }

class SelectNavaidDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        navdata::testing::NavaidFields vor;
        vor.ident = "SEA";
        vor.name = "Seattle";
        navdata::testing::NavaidFields ndb = vor;
        ndb.type = "NDB";
        ndb.name = "Seattle Ndb";
        for (const auto& fields : {vor, ndb}) {
            database.navaidLines.Add(navdata::testing::SceneryNavaidLine(fields).c_str(), 0, 0);
        }
        navdata::testing::AirportFields runway;
        runway.ident = "SEA";
        runway.name = "Sea Field";
        for (const char* heading : {"160", "200", "340"}) {
            runway.runwayHeading = heading;
            database.airportLines.Add(navdata::testing::SceneryAirportLine(runway).c_str());
        }
    }

    NavDatabase database{kBase};
};

TEST_F(SelectNavaidDlgTest, NavaidsThenRunwayLinesAndTheChosenRow) {
    CSelectNavaidDlg dialog("sea", database);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Select Navaid");
    qtplatform::ReportList& list = List(dialog, CSelectNavaidDlg::kChoiceList);
    EXPECT_EQ(testing::ColumnTitles(list), (Cells{"Type", "Name", "ID", "Number"}));
    ASSERT_EQ(list.RowCount(), 5);
    EXPECT_EQ(RowCells(list, 0), (Cells{"Nav", "SEATTLE", "SEA", "0"}));
    EXPECT_EQ(RowCells(list, 4), (Cells{"Airp", "SEA FIELD", "SEA", "2"}));
    testing::DoubleClickRow(list, 3);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Kind(), kAirportChoice);
    EXPECT_EQ(dialog.Index(), 1);
}

TEST_F(SelectNavaidDlgTest, OkTakesTheFirstRowAndNothingFoundGivesNoChoice) {
    CSelectNavaidDlg found("SEA", database);
    found.show();
    Ok(found);
    EXPECT_EQ(found.Kind(), kNavaidChoice);
    EXPECT_EQ(found.Index(), 0);

    for (const char* ident : {"XYZ", ""}) {
        CSelectNavaidDlg none(ident, database);
        none.show();
        qtplatform::ReportList& list = List(none, CSelectNavaidDlg::kChoiceList);
        EXPECT_EQ(RowCells(list, 0), (Cells{"", "No item found", "", ""})) << ident;
        EXPECT_FALSE(list.isEnabled());
        Ok(none);
        EXPECT_EQ(none.result(), QDialog::Accepted);
        EXPECT_EQ(none.Index(), -1);
        EXPECT_EQ(none.Kind(), -1);
    }
    CSelectNavaidDlg cancelled("SEA", database);
    cancelled.show();
    cancelled.reject();
    EXPECT_EQ(cancelled.Index(), -1);
}

class SelectSidStarDlgTest : public ::testing::Test {
protected:
    void Store(const char* runway, const char* type, const char* ident, int legs, const char* airport = "KSEA") {
        Procedure procedure;
        procedure.header.airportIdent = airport;
        procedure.header.runway = runway;
        procedure.header.type = type;
        procedure.header.procedureIdent = ident;
        procedure.header.procedureName = std::string(ident) + " NAME";
        for (int i = 0; i < legs; ++i) {
            ProcedureLeg leg;
            leg.word = std::string(ident) + std::to_string(i + 1);
            procedure.legs.push_back(leg);
        }
        ASSERT_TRUE(store.Save(-0.5, -0.5, procedure));
    }

    SidStarRequest Request(const char* runway, const char* type, const char* chosen = "") const {
        SidStarRequest request;
        request.airportIdent = "KSEA";
        request.runway = runway;
        request.type = type;
        request.chosenIdent = chosen;
        request.latitude = -0.5;
        request.westLongitude = -0.5;
        return request;
    }

    platform::testing::TempEnvironment environment;
    SidStarStore store{kBase};
    std::array<fileval, 50> storage;
};

TEST_F(SelectSidStarDlgTest, ListsTheRunwayAndItsParallelsAndCopiesTheChosenLegs) {
    Store("L16", "SID", "L1", 2);
    Store("L/R16", "SID", "P1", 1);
    Store("L16", "STAR", "S1", 1);
    Store("L16", "SID", "O1", 1, "KBFI");
    CSelectSidStarDlg dialog(store, Request("L16", "SID", "P1"), storage);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Select STAR/SID");
    qtplatform::ReportList& list = List(dialog, CSelectSidStarDlg::kProcedureList);
    EXPECT_EQ(testing::ColumnTitles(list), (Cells{"ID", "Name", "Type"}));
    ASSERT_EQ(list.RowCount(), 2);
    EXPECT_EQ(RowCells(list, 0), (Cells{"L1", "L1 NAME", "SID"}));
    EXPECT_EQ(RowCells(list, 1), (Cells{"P1", "P1 NAME", "SID"}));
    EXPECT_EQ(list.SelectedRow(), 1);
    testing::DoubleClickRow(list, 0);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.ChosenIdent(), "L1");
    EXPECT_STREQ(storage[1]._Getword(), "L12");
    EXPECT_STREQ(storage[1]._Getid(), "L1");
    EXPECT_EQ(storage[2].GetLine(), nullptr);
}

TEST_F(SelectSidStarDlgTest, NothingStoredAndProceduresWithoutLegs) {
    storage[0].FillFileval("t01=N:kept:");
    CSelectSidStarDlg none(store, Request(" 09", "STAR"), storage);
    platform::MessageBoxRecorder recorder;
    none.show();
    qtplatform::ReportList& list = List(none, CSelectSidStarDlg::kProcedureList);
    EXPECT_EQ(RowCells(list, 0), (Cells{"", "Not on file", ""}));
    EXPECT_FALSE(list.isEnabled());
    Ok(none);
    EXPECT_EQ(none.ChosenIdent(), "");
    EXPECT_STREQ(storage[0]._Getword(), "kept");
    EXPECT_TRUE(recorder.texts().empty());

    Store(" 09", "STAR", "E1", 0);
    CSelectSidStarDlg empty(store, Request(" 09", "STAR"), storage);
    empty.show();
    Ok(empty);
    EXPECT_EQ(recorder.texts(), Cells{"There are no values for this ID.\nDefault landing will be used"});
}

TEST_F(SelectSidStarDlgTest, CancelLeavesTheStorageAndTenRowsAtMost) {
    for (int i = 0; i < 11; ++i) Store("R16", "STAR", ("S" + std::to_string(i)).c_str(), 1);
    storage[0].FillFileval("t01=N:kept:");
    platform::MessageBoxRecorder recorder;
    CSelectSidStarDlg dialog(store, Request("R16", "STAR"), storage);
    dialog.show();
    EXPECT_EQ(List(dialog, CSelectSidStarDlg::kProcedureList).RowCount(), kMaxListedProcedures);
    ASSERT_EQ(recorder.texts().size(), 1u);
    dialog.reject();
    EXPECT_STREQ(storage[0]._Getword(), "kept");
}

}  // namespace
}  // namespace trevalo
