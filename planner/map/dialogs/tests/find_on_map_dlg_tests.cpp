#include "mapdialogs/find_on_map_dlg.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "dialog_test_helpers.h"
#include "find_on_map_search.h"
#include "qtplatform/control_ids.h"
#include "route_fixture.h"

namespace trevalo {
namespace {

using navdata::testing::AirportFields;
using navdata::testing::NavaidFields;
using testing::RowCells;

constexpr const char* kSeattleVorKey = "SEA\t(N05,12)SEATTLE";
constexpr const char* kChelseaNdbKey = "CHS\t(N32,05)Chelsea";
constexpr const char* kSeattleAirportKey = "KSEA\t(A05,12)Seattle Tacoma";
constexpr const char* kChelseaAirportKey = "KCHL\t(A17,13)Chelsea Field";

// Seattle (two runway lines) and Chelsea Field as airports; the Seattle VOR, the
// Chelsea NDB far south-east and an Otherton VOR as navaids.
class FindOnMapDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        AirportFields seattle;
        seattle.ident = "KSEA";
        seattle.name = "Seattle Tacoma";
        seattle.latitude = "N047* 26'56.00";
        seattle.longitude = "W122* 18'34.00";
        seattleNumber_ = files_.AddAirport(seattle);
        seattle.runwayHeading = "340.0";
        files_.AddAirport(seattle);
        AirportFields chelsea;
        chelsea.ident = "KCHL";
        chelsea.name = "Chelsea Field";
        chelsea.latitude = "N051* 30'00.00";
        chelsea.longitude = "W000* 10'00.00";
        chelsea.runwayStartLatitude = chelsea.runwayEndLatitude = chelsea.latitude;
        chelsea.runwayStartLongitude = chelsea.runwayEndLongitude = chelsea.longitude;
        files_.AddAirport(chelsea);

        NavaidFields seattleVor;
        seattleVor.ident = "SEA";
        seattleVor.name = "SEATTLE";
        seattleVor.latitude = "N047* 26'07.00";
        seattleVor.longitude = "W122* 18'34.00";
        seaNumber_ = files_.AddNavaid(seattleVor);
        NavaidFields chelseaNdb;
        chelseaNdb.type = "NDB";
        chelseaNdb.ident = "CHS";
        chelseaNdb.name = "Chelsea";
        chelseaNdb.latitude = "S033* 52'00.00";
        chelseaNdb.longitude = "E151* 12'00.00";
        files_.AddNavaid(chelseaNdb);
        NavaidFields otherton;
        otherton.ident = "OTR";
        otherton.name = "OTHERTON VOR";
        files_.AddNavaid(otherton);

        database_ = files_.Load();
        ASSERT_EQ(database_->airportLines.GetSize(), 3);
        dialog_.SetLists(&database_->navaidLines, &database_->airportLines);
        dialog_.show();
    }

    template <class T>
    T* Control(int id) {
        return qtplatform::FindControl<T>(&dialog_, id);
    }
    qtplatform::ReportList& List() { return *Control<qtplatform::ReportList>(CFindOnMapDlg::kResults); }

    void Search(const std::string& text) {
        Control<QLineEdit>(CFindOnMapDlg::kSearchText)->setText(QString::fromStdString(text));
        Control<QPushButton>(CFindOnMapDlg::kFind)->click();
    }

    platform::testing::TempEnvironment env_;
    testing::WorldFiles files_{env_};
    std::unique_ptr<NavDatabase> database_;
    int seattleNumber_ = 0, seaNumber_ = 0;
    CFindOnMapDlg dialog_;
};

TEST_F(FindOnMapDlgTest, SearchesByTheSwitchesAndListsEachKeyOnce) {
    struct Case {
        const char* text;
        bool navaids, airports, idents, names, matchCase;
        std::vector<std::string> keys;
    };
    const Case cases[] = {
        // Any case, idents and names: every airport once, though Seattle has two runway lines.
        {"SEA",
         true,
         true,
         true,
         true,
         false,
         {kSeattleVorKey, kChelseaNdbKey, kSeattleAirportKey, kChelseaAirportKey}},
        {"sea", true, true, true, false, false, {kSeattleVorKey, kSeattleAirportKey}},
        {"sea", false, true, false, true, false, {kSeattleAirportKey, kChelseaAirportKey}},
        // Match case: "Sea" is not in SEATTLE nor in Chelsea.
        {"Sea", true, true, true, true, true, {kSeattleAirportKey}},
        {"", true, true, true, true, false, {}},
        {"SEA", false, false, true, true, false, {}},
    };
    for (const Case& c : cases) {
        Control<QCheckBox>(CFindOnMapDlg::kNavaids)->setChecked(c.navaids);
        Control<QCheckBox>(CFindOnMapDlg::kAirports)->setChecked(c.airports);
        Control<QCheckBox>(CFindOnMapDlg::kIdents)->setChecked(c.idents);
        Control<QCheckBox>(CFindOnMapDlg::kName)->setChecked(c.names);
        Control<QCheckBox>(CFindOnMapDlg::kMatchCase)->setChecked(c.matchCase);
        Search(c.text);
        EXPECT_EQ(dialog_.ResultKeys(), c.keys) << c.text;
        EXPECT_EQ(List().RowCount(), static_cast<int>(c.keys.size())) << c.text;
    }
}

TEST_F(FindOnMapDlgTest, RowsShowUpperCasedTextsTheKindAndTheCells) {
    EXPECT_EQ(dialog_.windowTitle(), "Find on Map");
    for (int id : {CFindOnMapDlg::kNavaids, CFindOnMapDlg::kAirports, CFindOnMapDlg::kIdents, CFindOnMapDlg::kName})
        EXPECT_TRUE(Control<QCheckBox>(id)->isChecked()) << id;
    EXPECT_FALSE(Control<QCheckBox>(CFindOnMapDlg::kMatchCase)->isChecked());
    EXPECT_EQ(testing::ColumnTitles(List()), (std::vector<std::string>{"ID", "Name", "Type", "Lat", "Lon"}));

    Search("chel");
    ASSERT_EQ(List().RowCount(), 2);
    // The cells in the order of the key: the longitude cell, then the latitude cell.
    EXPECT_EQ(RowCells(List(), 0), (std::vector<std::string>{"CHS", "CHELSEA", "Navaid", "32", "5"}));
    EXPECT_EQ(RowCells(List(), 1), (std::vector<std::string>{"KCHL", "CHELSEA FIELD", "Airport", "17", "13"}));
}

TEST_F(FindOnMapDlgTest, EnterWithoutASelectedRowSearches) {
    auto* edit = Control<QLineEdit>(CFindOnMapDlg::kSearchText);
    edit->setText("OTR");
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(dialog_.ResultKeys(), (std::vector<std::string>{"OTR\t(N05,12)OTHERTON VOR"}));
    EXPECT_TRUE(dialog_.isVisible());
    EXPECT_TRUE(dialog_.ChosenKey().empty());
}

TEST_F(FindOnMapDlgTest, DoubleClickChoosesTheRowAndCloses) {
    Search("SEA");
    testing::DoubleClickRow(List(), 2);
    EXPECT_EQ(dialog_.ChosenKey(), kSeattleAirportKey);
    EXPECT_FALSE(dialog_.isVisible());
    EXPECT_EQ(dialog_.result(), QDialog::Accepted);
}

TEST_F(FindOnMapDlgTest, OkWithASelectedRowChoosesItAndStaysOpenUntilClosed) {
    Search("SEA");
    List().SelectRow(1);
    qtplatform::FindControl<QPushButton>(&dialog_, 1)->click();
    EXPECT_TRUE(dialog_.isVisible());
    EXPECT_EQ(dialog_.ChosenKey(), kChelseaNdbKey);
    dialog_.reject();
    EXPECT_EQ(dialog_.ChosenKey(), kChelseaNdbKey);
}

TEST_F(FindOnMapDlgTest, ReopeningLeavesNoKeyAndTheTextReadyToBeTypedOver) {
    Search("SEA");
    List().setFocus();
    testing::DoubleClickRow(List(), 0);
    ASSERT_FALSE(dialog_.ChosenKey().empty());
    dialog_.show();
    EXPECT_TRUE(dialog_.ChosenKey().empty());
    EXPECT_EQ(List().RowCount(), 0);
    // The next ident typed goes into the search text, not into the emptied list.
    auto* edit = Control<QLineEdit>(CFindOnMapDlg::kSearchText);
    EXPECT_EQ(dialog_.focusWidget(), edit);
    EXPECT_EQ(edit->selectedText(), "SEA");
    dialog_.reject();
    EXPECT_TRUE(dialog_.ChosenKey().empty());
}

TEST_F(FindOnMapDlgTest, TheChosenKeyLeadsToTheRecordInItsCell) {
    const AirportRecord& seattle = *testing::FindAirport(*database_, seattleNumber_);
    const NavaidRecord& sea = *testing::FindNavaid(*database_, seaNumber_);
    struct Case {
        const char* key;
        std::optional<MapPoint> point;
    };
    const Case cases[] = {
        {kSeattleAirportKey, MapPoint{seattle.x, seattle.y}},
        {kSeattleVorKey, MapPoint{sea.x, sea.y}},
        {"KSEA\t(N05,12)Seattle Tacoma", std::nullopt},  // no navaid of that ident
        {"KSEA\t(A06,12)Seattle Tacoma", std::nullopt},  // another cell
        {"KSEA\t(A36,12)x", std::nullopt},               // outside the grid
        {"KSEA\t(X05,12)x", std::nullopt},
        {"KSEA (A05,12)x", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        const std::optional<FindOnMapTarget> target = ParseFindOnMapKey(c.key);
        const std::optional<MapPoint> point = target ? LocateFindOnMapTarget(*database_, *target) : std::nullopt;
        ASSERT_EQ(point.has_value(), c.point.has_value()) << c.key;
        if (point) {
            EXPECT_EQ(point->longitude, c.point->longitude) << c.key;
            EXPECT_EQ(point->latitude, c.point->latitude) << c.key;
        }
    }
}

// Places on the world's western and southern edges are filed in the edge cells; their
// keys name those cells, so that the map can find them again.
TEST(FindOnMapEdges, KeysOfPlacesOnTheEdgesLeadBackToThem) {
    platform::testing::TempEnvironment env;
    testing::WorldFiles files{env};
    struct Place {
        const char* ident;
        const char* latitude;
        const char* longitude;
    };
    const Place places[] = {
        {"NZSP", "S090* 00'00.00", "E000* 00'00.00"},
        {"WEDG", "N010* 30'00.00", "W180* 00'00.00"},
    };
    for (const Place& place : places) {
        AirportFields fields;
        fields.ident = place.ident;
        fields.name = place.ident;
        fields.latitude = fields.runwayStartLatitude = fields.runwayEndLatitude = place.latitude;
        fields.longitude = fields.runwayStartLongitude = fields.runwayEndLongitude = place.longitude;
        files.AddAirport(fields);
    }
    const std::unique_ptr<NavDatabase> database = files.Load();
    for (const Place& place : places) {
        mapdialogs_detail::FindOptions options;
        options.text = place.ident;
        const std::vector<mapdialogs_detail::FindResult> results =
            mapdialogs_detail::FindOnMap(&database->navaidLines, &database->airportLines, options);
        ASSERT_EQ(results.size(), 1u) << place.ident;
        const std::optional<FindOnMapTarget> target = ParseFindOnMapKey(results.front().key);
        ASSERT_TRUE(target.has_value()) << results.front().key;
        EXPECT_TRUE(LocateFindOnMapTarget(*database, *target).has_value()) << results.front().key;
    }
}

}  // namespace
}  // namespace trevalo
