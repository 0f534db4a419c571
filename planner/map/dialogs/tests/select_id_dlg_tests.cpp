#include "mapdialogs/select_id_dlg.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "dialog_test_helpers.h"
#include "map/route.h"
#include "mapdialogs/qt_route_dialogs.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/testing/qt_test.h"
#include "route_fixture.h"

namespace trevalo {
namespace {

using testing::RowCells;
using Cells = std::vector<std::string>;

PickListEntry Entry(const char* text) { return ParsePickListEntry(text).value(); }

const std::vector<PickListEntry> kAirports = {
    Entry("[L28]KSPF\t(A05,12)Springfield Regional\tISPF"),
    Entry("[L10]kspf\t(A05,12)Springfield Regional"),
};
const std::vector<PickListEntry> kNavaids = {
    Entry("[VOR]SPF\t(N05,12)SPRINGFIELD"),
    Entry("[NDB]OT\t(N05,12)OTHERTON NDB"),
    Entry("[VOR]OTR\t(N05,12)OTHERTON VOR"),
};

qtplatform::ReportList& EntryList(const CSelectIdDlg& dialog) {
    return *qtplatform::FindControl<qtplatform::ReportList>(&dialog, CSelectIdDlg::kEntryList);
}

TEST(SelectIdDlgTest, ListsEveryEntryUpperCasedAirportsFirst) {
    CSelectIdDlg dialog(kAirports, kNavaids);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Select an Id");
    const qtplatform::ReportList& list = EntryList(dialog);
    EXPECT_EQ(testing::ColumnTitles(list), (Cells{"Runway/Type", "ID", "Type", "Name", "ILS", "Lat", "Lon"}));
    ASSERT_EQ(list.RowCount(), 5);
    EXPECT_EQ(RowCells(list, 0), (Cells{"L28", "KSPF", "A", "SPRINGFIELD REGIONAL", "ISPF", "12", "05"}));
    EXPECT_EQ(RowCells(list, 1), (Cells{"L10", "KSPF", "A", "SPRINGFIELD REGIONAL", "---", "12", "05"}));
    EXPECT_EQ(RowCells(list, 4), (Cells{"VOR", "OTR", "N", "OTHERTON VOR", "---", "12", "05"}));

    std::vector<std::string> notes;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) notes.push_back(label->text().toStdString());
    EXPECT_EQ(notes, (Cells{"* ILS's will be listed with the airports\t(Take off Hdg is runway hdg/ Landing is "
                            "runway hdg+180)",
                            "** SID & STAR have runway Heading."}));
}

TEST(SelectIdDlgTest, DoubleClickChoosesTheEntryOfTheRow) {
    struct Case {
        int row;
        PickListEntry entry;
    };
    const Case cases[] = {{1, kAirports[1]}, {4, kNavaids[2]}};  // the third navaid after two airport rows
    for (const Case& c : cases) {
        CSelectIdDlg dialog(kAirports, kNavaids);
        dialog.show();
        EXPECT_EQ(dialog.ChosenRow(), -1);
        testing::DoubleClickRow(EntryList(dialog), c.row);
        EXPECT_EQ(dialog.result(), QDialog::Accepted) << c.row;
        EXPECT_EQ(dialog.ChosenRow(), c.row);
        EXPECT_EQ(dialog.ChosenEntry(), c.entry);
    }
}

TEST(SelectIdDlgTest, CancelChoosesNothing) {
    QtRouteDialogs dialogs;
    qtplatform::testing::WhenModalShown(
        [](QWidget* modal) { qtplatform::FindControl<QPushButton>(modal, 2)->click(); });
    EXPECT_EQ(dialogs.SelectId(kAirports, kNavaids), std::nullopt);
}

// The pick list of a real route: a click near Springfield, the second runway chosen.
class SelectIdRouteTest : public testing::RouteWorldTest {};

TEST_F(SelectIdRouteTest, ThePickedRunwayBecomesTheRoutePoint) {
    QtRouteDialogs dialogs;
    Route route(*database_);
    route.AttachView(&dialogs, &host_);
    std::vector<std::string> shown;
    qtplatform::testing::WhenModalShown([&shown](QWidget* modal) {
        auto* dialog = dynamic_cast<CSelectIdDlg*>(modal);
        ASSERT_NE(dialog, nullptr);
        const qtplatform::ReportList& list = EntryList(*dialog);
        for (int row = 0; row < list.RowCount(); ++row) shown.push_back(list.Cell(row, 0) + " " + list.Cell(row, 1));
        testing::DoubleClickRow(EntryList(*dialog), 1);
    });
    route.AddRoutePointAt(Airport(spf_).x, Airport(spf_).y);
    EXPECT_EQ(shown, (Cells{"L28 KSPF", "L10 KSPF"}));
    ASSERT_EQ(route.Count(), 1);
    const CRoutePoint& point = route.Points()[0];
    EXPECT_EQ(point.type, kPointAirport);
    EXPECT_EQ(point.databaseNumber, spf_);
    EXPECT_TRUE(point.directionFlag);
    EXPECT_EQ(point.x, Airport(spf_).x2);
}

}  // namespace
}  // namespace trevalo
