#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <numbers>

#include "dialog_test_helpers.h"
#include "map/great_circle.h"
#include "mapdialogs/edit_sid_star_dlg.h"
#include "navdata_testing/scenery_lines.h"
#include "platform/message_box.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/report_list.h"
#include "qtplatform/testing/qt_test.h"
#include "testing/temp_environment.h"

namespace trevalo {
namespace {

using Dlg = CEditSidStarDlg;
using Cells = std::vector<std::string>;
using platform::MbResult;

constexpr const char* kBase = "C:\\Quillet\\";

navdata::testing::AirportFields Runway(const char* ident, const char* heading, char side, const char* name) {
    navdata::testing::AirportFields fields;
    fields.ident = ident;
    fields.name = name;
    fields.runwayHeading = heading;
    fields.side = side;
    fields.magneticVariation = -20.0;
    fields.latitude = "N047* 27'00.00";
    fields.longitude = "W122* 18'00.00";
    return fields;
}

class EditSidStarDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const auto& fields :
             {Runway("KSEA", "180", 'L', "Seattle Tacoma"), Runway("KBFI", "150", 'R', "Boeing"),
              Runway("KSEA", "180", 'R', "Seattle Tacoma"), Runway("KSEA", "360", 'C', "Seattle Tacoma")}) {
            database.airportLines.Add(navdata::testing::SceneryAirportLine(fields).c_str());
        }
        navdata::testing::NavaidFields vor;
        vor.ident = "SEA";
        vor.latitude = "N047* 30'00.00";
        vor.longitude = "W122* 30'00.00";
        database.navaidLines.Add(navdata::testing::SceneryNavaidLine(vor).c_str(), 0, 0);
    }

    std::unique_ptr<Dlg> Open() {
        auto dialog = std::make_unique<Dlg>(store);
        dialog->SetDatabase(&database);
        dialog->show();
        return dialog;
    }

    template <class T = QLineEdit>
    static T* Control(const QWidget& dialog, int id) {
        T* control = qtplatform::FindControl<T>(&dialog, id);
        EXPECT_NE(control, nullptr) << id;
        return control;
    }

    // Types into an edit as a user does and leaves it.
    static void Type(const QWidget& dialog, int id, const char* text) {
        QLineEdit* edit = Control(dialog, id);
        edit->selectAll();
        if (*text == '\0') QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, QString::fromUtf8(text));
        emit edit->editingFinished();
    }

    static std::string Text(const QWidget& dialog, int id) { return Control(dialog, id)->text().toStdString(); }
    static void Click(const QWidget& dialog, int id) { Control<QPushButton>(dialog, id)->click(); }
    static qtplatform::ReportList& Legs(const QWidget& dialog) {
        return *Control<qtplatform::ReportList>(dialog, Dlg::kLegList);
    }

    // The airport's records as the selection dialog would read them.
    std::vector<std::string> StoredIdents(const char* airport, const char* runway) const {
        std::vector<std::string> idents;
        const TileContents contents = store.Read(47.45, 122.3);
        for (const TileRecord* record : contents.RunwayRecords(airport, runway)) {
            std::string row = record->procedure.header.procedureIdent;
            for (const ProcedureLeg& leg : record->procedure.legs) row += " " + leg.word;
            idents.push_back(row);
        }
        return idents;
    }

    void StoreRecords(const char* airport, const char* runway, std::vector<std::string> idents, int legs = 1) {
        for (const std::string& ident : idents) {
            Procedure procedure;
            procedure.header.airportIdent = airport;
            procedure.header.runway = runway;
            procedure.header.type = kSidType;
            procedure.header.procedureIdent = ident;
            procedure.header.country = "USA";
            procedure.legs.resize(static_cast<std::size_t>(legs));
            for (int i = 0; i < legs; ++i)
                procedure.legs[static_cast<std::size_t>(i)].word = ident + std::to_string(i + 1);
            ASSERT_TRUE(store.Save(47.45, 122.3, procedure));
        }
    }

    platform::testing::TempEnvironment environment;
    platform::MessageBoxRecorder recorder;
    SidStarStore store{kBase};
    NavDatabase database{kBase};
};

TEST_F(EditSidStarDlgTest, AnAirportIdentOffersItsRunwayLinesAndRunways) {
    auto dialog = Open();
    EXPECT_EQ(dialog->windowTitle(), "Edit SID/STAR");
    EXPECT_FALSE(Control(*dialog, Dlg::kIdent)->isEnabled());
    EXPECT_TRUE(Control<QComboBox>(*dialog, Dlg::kAirportChooser)->isHidden());
    EXPECT_EQ(testing::ColumnTitles(Legs(*dialog)),
              (Cells{"Code", "id/ word", "lat", "lon", "speed min", "speed max", "alt min", "alt max", "hdg"}));

    Type(*dialog, Dlg::kAirportIdent, "ksea");
    EXPECT_EQ(Text(*dialog, Dlg::kAirportIdent), "KSEA");
    auto* chooser = Control<QComboBox>(*dialog, Dlg::kAirportChooser);
    auto* runways = Control<QComboBox>(*dialog, Dlg::kRunway);
    EXPECT_FALSE(chooser->isHidden());
    EXPECT_TRUE(Control(*dialog, Dlg::kAirportName)->isHidden());
    ASSERT_EQ(chooser->count(), 3);
    EXPECT_EQ(chooser->itemText(1).toStdString(), "SEATTLE TACOMA(R20/R02)" + std::string(50, ' ') + "0000002");
    EXPECT_EQ(chooser->currentIndex(), 0);  // no line has a record: the first
    EXPECT_EQ(runways->currentText(), "L20");
    EXPECT_EQ(Text(*dialog, Dlg::kLatitude), "47.450000");
    EXPECT_EQ(Text(*dialog, Dlg::kLongitude), "122.300000");
    EXPECT_EQ(Text(*dialog, Dlg::kMagVar), "-20");

    chooser->setCurrentIndex(0);
    emit chooser->activated(0);
    std::vector<std::string> designators;
    for (int i = 0; i < runways->count(); ++i) designators.push_back(runways->itemText(i).toStdString());
    EXPECT_EQ(designators, (Cells{"L20", "L/R20", "L02", "L/R02"}));

    Type(*dialog, Dlg::kAirportIdent, "KBFI");
    EXPECT_TRUE(chooser->isHidden());
    EXPECT_EQ(Text(*dialog, Dlg::kAirportName), "Boeing");
    Type(*dialog, Dlg::kAirportIdent, "SEA");
    EXPECT_EQ(runways->count(), 0);
    EXPECT_FALSE(Control(*dialog, Dlg::kIdent)->isEnabled());
}

TEST_F(EditSidStarDlgTest, ARunwayWithRecordsShowsRecordOne) {
    StoreRecords("KSEA", "L/R02", {"LR1", "LR2"}, 2);
    auto dialog = Open();
    Type(*dialog, Dlg::kAirportIdent, "KSEA");
    EXPECT_EQ(Control<QComboBox>(*dialog, Dlg::kRunway)->currentText(), "L/R02");
    EXPECT_EQ(Control<QComboBox>(*dialog, Dlg::kAirportChooser)->currentIndex(), 0);
    EXPECT_EQ(Text(*dialog, Dlg::kIdent), "LR1");
    EXPECT_EQ(Text(*dialog, Dlg::kCountry), "USA");
    EXPECT_EQ(Text(*dialog, Dlg::kNumber), "1");
    ASSERT_EQ(Legs(*dialog).RowCount(), 2);
    EXPECT_EQ(Text(*dialog, Dlg::kLegWord), "LR11");
    EXPECT_TRUE(Control(*dialog, Dlg::kIdent)->isEnabled());
    EXPECT_FALSE(Control<QPushButton>(*dialog, Dlg::kRecalculate)->isEnabled());

    // The spin: up to the next record, past the last keeps the number, down again.
    auto* spin = Control<QWidget>(*dialog, Dlg::kNumberSpin);
    const auto buttons = spin->findChildren<QAbstractButton*>();
    ASSERT_EQ(buttons.size(), 2);
    buttons[0]->click();
    EXPECT_EQ(Text(*dialog, Dlg::kIdent), "LR2");
    buttons[0]->click();
    EXPECT_EQ(Text(*dialog, Dlg::kNumber), "2");
    buttons[1]->click();
    EXPECT_EQ(Text(*dialog, Dlg::kIdent), "LR1");
    buttons[1]->click();
    EXPECT_EQ(Text(*dialog, Dlg::kNumber), "1");
}

TEST_F(EditSidStarDlgTest, NewLegsWithANavaidLookupAndRecalculateAreSavedForTheNextRun) {
    StoreRecords("KBFI", "R15", {"BFI1"});
    auto dialog = Open();
    Type(*dialog, Dlg::kAirportIdent, "KSEA");
    Click(*dialog, Dlg::kNewId);
    EXPECT_EQ(Text(*dialog, Dlg::kIdent), "NEW_ITEM");
    EXPECT_EQ(Text(*dialog, Dlg::kName), "NEW_ITEM_NAME");
    EXPECT_EQ(Text(*dialog, Dlg::kNumber), "1");
    EXPECT_TRUE(std::filesystem::exists(environment.driveC() / "Quillet" / "SidStar" / "LATN047LONW122.adf"));

    Type(*dialog, Dlg::kIdent, "SEA1");
    Click(*dialog, Dlg::kAddLeg);
    EXPECT_EQ(testing::RowCells(Legs(*dialog), 0),
              (Cells{"N", "Navaids", "", "", "0.00", "0.00", "0.00", "0.00", "0.00"}));
    Type(*dialog, Dlg::kLegCode, "x");
    EXPECT_EQ(recorder.texts().back(), "This is not a valid code");
    EXPECT_EQ(Text(*dialog, Dlg::kLegCode), "");
    Type(*dialog, Dlg::kLegCode, "I");
    EXPECT_EQ(Text(*dialog, Dlg::kLegWord), "Initial climb");
    Type(*dialog, Dlg::kLegLatitude, "47:27:00");
    EXPECT_EQ(Text(*dialog, Dlg::kLegLatitude), "47.450000");
    Type(*dialog, Dlg::kLegLongitude, "122.3");
    Type(*dialog, Dlg::kMinSpeed, "250");
    EXPECT_EQ(Text(*dialog, Dlg::kMaxSpeed), "250.00");
    Type(*dialog, Dlg::kNextDistance, "10");
    Type(*dialog, Dlg::kNextRadial, "90");
    qtplatform::testing::WhenModalShown([](QWidget* modal) {
        EXPECT_EQ(modal->windowTitle(), "Select Navaid");
        testing::DoubleClickRow(*qtplatform::FindControl<qtplatform::ReportList>(modal, 1275), 0);
    });
    Type(*dialog, Dlg::kNextIdent, "SEA");
    EXPECT_EQ(Text(*dialog, Dlg::kNextIdent), "SEA");
    Click(*dialog, Dlg::kUpdateLeg);

    recorder.clear();
    Click(*dialog, Dlg::kAddLeg);  // the changed record: answered by the default, No
    ASSERT_EQ(Legs(*dialog).RowCount(), 2);
    const double lat = std::stod(Text(*dialog, Dlg::kLegLatitude));
    const double lon = std::stod(Text(*dialog, Dlg::kLegLongitude));
    const auto radians = [](double degrees) { return degrees * std::numbers::pi / 180.0; };
    EXPECT_NEAR(GreatCircleDistance(radians(47.5), radians(122.5), radians(lat), radians(lon)), 10.0, 1e-3);
    // The radial was 90 plus the variation of -20.
    EXPECT_NEAR(GreatCircleCourse(radians(47.5), radians(122.5), radians(lat), radians(lon)), 70.0, 1e-3);
    EXPECT_EQ(Text(*dialog, Dlg::kMaxSpeed), "250.00");
    Click(*dialog, Dlg::kSaveId);
    EXPECT_EQ(StoredIdents("KSEA", "L20"), Cells{"SEA1 Initial climb Navaids"});
    EXPECT_EQ(StoredIdents("KBFI", "R15"), Cells{"BFI1 BFI11"});
    dialog->accept();

    auto again = Open();  // a new dialog: what the planner shows after a restart
    Type(*again, Dlg::kAirportIdent, "KSEA");
    EXPECT_EQ(Text(*again, Dlg::kIdent), "SEA1");
    EXPECT_EQ(Legs(*again).RowCount(), 2);
    EXPECT_EQ(Text(*again, Dlg::kNextIdent), "SEA");
}

TEST_F(EditSidStarDlgTest, NewIdNeverTakesThePlaceOfTheRecordShown) {
    StoreRecords("KSEA", "C02", {"ONE", "TWO"});
    auto dialog = Open();
    Type(*dialog, Dlg::kAirportIdent, "KSEA");
    Control<QWidget>(*dialog, Dlg::kNumberSpin)->findChildren<QAbstractButton*>()[0]->click();
    EXPECT_EQ(Text(*dialog, Dlg::kIdent), "TWO");
    Click(*dialog, Dlg::kNewId);
    EXPECT_EQ(Text(*dialog, Dlg::kNumber), "3");
    EXPECT_EQ(StoredIdents("KSEA", "C02"), (Cells{"ONE ONE1", "TWO TWO1", "NEW_ITEM"}));
}

TEST_F(EditSidStarDlgTest, DeleteIdRenumbersAndShowsThePreviousRecord) {
    StoreRecords("KSEA", "C02", {"ONE", "TWO", "THREE"});
    StoreRecords("KSEA", "C20", {"OTHER"});
    auto dialog = Open();
    Type(*dialog, Dlg::kAirportIdent, "KSEA");
    Control<QWidget>(*dialog, Dlg::kNumberSpin)->findChildren<QAbstractButton*>()[0]->click();
    recorder.clear();
    Click(*dialog, Dlg::kDeleteId);  // the default answer, No
    EXPECT_EQ(StoredIdents("KSEA", "C02").size(), 3u);
    ASSERT_EQ(recorder.shown().size(), 1u);
    EXPECT_EQ(recorder.shown()[0].text, "Are you sure you want to permanently delete this ID");
    EXPECT_EQ(recorder.shown()[0].defaultButton, 1);

    platform::MessageBoxRecorder yes({MbResult::Yes});
    Click(*dialog, Dlg::kDeleteId);
    EXPECT_EQ(StoredIdents("KSEA", "C02"), (Cells{"ONE ONE1", "THREE THREE1"}));
    EXPECT_EQ(StoredIdents("KSEA", "C20"), Cells{"OTHER OTHER1"});
    EXPECT_EQ(Text(*dialog, Dlg::kIdent), "ONE");
}

TEST_F(EditSidStarDlgTest, LegLimitsAreKeptAndSaid) {
    StoreRecords("KSEA", "C02", {"FULL"}, kMaxProcedureLegs);
    StoreRecords("KSEA", "C20", {"TEN"}, 10);
    auto dialog = Open();
    Type(*dialog, Dlg::kAirportIdent, "KSEA");
    EXPECT_EQ(Legs(*dialog).RowCount(), kMaxProcedureLegs);
    recorder.clear();
    Click(*dialog, Dlg::kAddLeg);
    EXPECT_EQ(recorder.texts(), Cells{"A procedure holds at most 49 legs."});
    EXPECT_EQ(Legs(*dialog).RowCount(), kMaxProcedureLegs);

    auto* runways = Control<QComboBox>(*dialog, Dlg::kRunway);
    runways->setCurrentIndex(runways->findText("C20"));
    emit runways->activated(runways->currentIndex());
    EXPECT_EQ(Text(*dialog, Dlg::kIdent), "TEN");
    recorder.clear();
    Click(*dialog, Dlg::kAddLeg);
    EXPECT_EQ(Legs(*dialog).RowCount(), 11);
    ASSERT_FALSE(recorder.texts().empty());
    EXPECT_EQ(recorder.texts()[0],
              "This procedure now has more than 10 legs.\nOnly the first 10 reach the route and the adventure.");
}

TEST_F(EditSidStarDlgTest, OkAsksToSaveAndCancelDoesNot) {
    StoreRecords("KSEA", "C02", {"ONE"});
    auto dialog = Open();
    Type(*dialog, Dlg::kAirportIdent, "KSEA");
    Type(*dialog, Dlg::kName, "CHANGED");
    dialog->reject();
    EXPECT_TRUE(recorder.texts().empty());

    dialog->show();
    Type(*dialog, Dlg::kName, "CHANGED");
    platform::MessageBoxRecorder yes({MbResult::Yes});
    dialog->accept();
    EXPECT_EQ(yes.texts(), Cells{"Would you like to save your changes."});
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    const SidStarRequest shown = dialog->ShownProcedure();
    EXPECT_EQ(shown.airportIdent, "KSEA");
    EXPECT_EQ(shown.runway, "C02");
    EXPECT_EQ(shown.chosenIdent, "ONE");
    EXPECT_DOUBLE_EQ(shown.latitude, 47.45);
    EXPECT_EQ(store.Read(47.45, 122.3).Find({1, "KSEA", "C02"})->procedure.header.procedureName, "CHANGED");
}

}  // namespace
}  // namespace trevalo
