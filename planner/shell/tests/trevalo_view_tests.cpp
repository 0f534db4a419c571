// The map view on a small world, driven by the mouse as a user drives it.
#include "shell/trevalo_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QMouseEvent>
#include <QPushButton>

#include "map/angle_text.h"
#include "map/nav_database.h"
#include "mapdialogs/holding_airports_dlg.h"
#include "mapdialogs/holding_radio_dlg.h"
#include "navdata/line_widths.h"
#include "navdata/record_lines.h"
#include "navdata_testing/scenery_lines.h"
#include "platform/message_box.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/report_list.h"
#include "qtplatform/testing/qt_test.h"
#include "shell/command_ids.h"
#include "shell/map_switch_commands.h"
#include "shell/trevalo_doc.h"
#include "testing/temp_environment.h"

namespace trevalo {
namespace {

constexpr double kSpfX = -(122 * 3600 + 18 * 60 + 5.67);
constexpr double kSpfY = 47 * 3600 + 27 * 60 + 12.34;

// Picks the first airport entry (runway end 1) of each pick list.
struct FirstEntryDialogs : RouteDialogs {
    int shown = 0;
    std::optional<PickListEntry> SelectId(const std::vector<PickListEntry>& airports,
                                          const std::vector<PickListEntry>&) override {
        ++shown;
        if (airports.empty()) return std::nullopt;
        return airports.front();
    }
    std::optional<VorDialogChoice> SelectVor(const VorDialogRequest&) override { return VorDialogChoice{}; }
};

// Two airports six and eight minutes apart, loaded by the real view at 800 by 600.
class TrevaloViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetLoadError();
        navdata::testing::AirportFields other;
        other.ident = "KOTR";
        other.name = "Otter Field";
        other.latitude = other.runwayStartLatitude = "N047* 33'00.00";
        other.runwayEndLatitude = "N047* 33'04.00";
        other.longitude = other.runwayStartLongitude = "W122* 10'00.00";
        other.runwayEndLongitude = "W122* 10'09.00";
        env_.writeFile("drive_c/Quillet/Airport.nav",
                       navdata::DatabaseBytes(
                           {navdata::testing::SceneryAirportLine({}), navdata::testing::SceneryAirportLine(other)},
                           navdata::kAirportLineWidth));
        env_.writeFile("drive_c/Quillet/Navaids.nav", navdata::DatabaseBytes({}, navdata::kNavaidLineWidth));
        env_.writeFile("drive_c/Quillet/Ils.nav", navdata::DatabaseBytes({}, navdata::kIlsLineWidth));
        view_ = std::make_unique<CTrevaloView>(document_, debugOptions_);
        view_->resize(800, 600);
        view_->show();
        view_->OnInitialUpdate();
        view_->SetRouteDialogs(&dialogs_);
        view_->CenterOnLatLon(47.5, -122.25, 1000);
        QApplication::processEvents();
    }
    void TearDown() override { ResetLoadError(); }

    void Send(QEvent::Type type, QPoint at, Qt::MouseButton button) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, QPointF(at), QPointF(view_->viewport()->mapToGlobal(at)),
                          type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
        QApplication::sendEvent(view_->viewport(), &event);
    }
    void Drag(QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton) {
        Send(QEvent::MouseButtonPress, from, button);
        Send(QEvent::MouseMove, (from + to) / 2, button);
        Send(QEvent::MouseMove, to, button);
        Send(QEvent::MouseButtonRelease, to, button);
    }
    void Click(QPoint at, Qt::MouseButton button = Qt::LeftButton) { Drag(at, at, button); }
    QPoint Airport(int number) const {
        const AirportRecord& a = view_->Database().airportGrid[GridCell(kSpfX, kSpfY)][number - 1];
        return view_->WorldToPixel(a.x, a.y);
    }

    platform::testing::TempEnvironment env_;
    platform::MessageBoxRecorder boxes_;
    CTrevaloDoc document_{"C:\\Quillet\\"};
    DebugOptions debugOptions_;
    FirstEntryDialogs dialogs_;
    std::unique_ptr<CTrevaloView> view_;
};

TEST_F(TrevaloViewTest, ClicksAddRoutePointsAndUndoTakesThemBack) {
    ASSERT_EQ(view_->AirportCount(), 2);
    Click(Airport(1));
    ASSERT_EQ(view_->GetRoute().Count(), 1);
    EXPECT_EQ(view_->GetRoute().Points()[0].ident, "KSPF");
    // A drag narrower than eight pixel margins is a click too.
    Drag(Airport(2), Airport(2) + QPoint(3, 2));
    ASSERT_EQ(view_->GetRoute().Count(), 2);
    EXPECT_EQ(view_->GetRoute().Points()[1].ident, "KOTR");

    view_->OnUndoSelection();
    EXPECT_EQ(view_->GetRoute().Count(), 1);
    view_->OnUndoSelection();
    EXPECT_EQ(view_->GetRoute().Count(), 0);
    EXPECT_FALSE(view_->GetRoute().CanUndo());
}

TEST_F(TrevaloViewTest, AClickOnEmptyMapAddsNothing) {
    Click(QPoint(5, 5));
    EXPECT_EQ(dialogs_.shown, 0);  // nothing near: no pick list
    EXPECT_EQ(view_->GetRoute().Count(), 0);
}

TEST_F(TrevaloViewTest, TheViewEditsTheDocumentsRoute) {
    Click(Airport(1));
    EXPECT_EQ(document_.GetRoute().Count(), 1);
    EXPECT_EQ(&view_->Database(), &document_.Database());
}

TEST_F(TrevaloViewTest, InTheDebugOptionsCaptureModeClicksAddNoRoutePoint) {
    debugOptions_.drawMapMode = 1;
    Click(Airport(1));
    EXPECT_EQ(dialogs_.shown, 0);
    EXPECT_EQ(view_->GetRoute().Count(), 0);
    debugOptions_.drawMapMode = 0;
    Click(Airport(1));
    EXPECT_EQ(view_->GetRoute().Count(), 1);
}

TEST_F(TrevaloViewTest, RouteEditsDrawOnlyTheRouteAgain) {
    view_->repaint();
    const int drawn = view_->StaticDrawCount();
    Click(Airport(1));
    view_->repaint();
    EXPECT_EQ(view_->GetRoute().Count(), 1);
    EXPECT_EQ(view_->StaticDrawCount(), drawn);
}

TEST_F(TrevaloViewTest, ADraggedBandZoomsOntoItsCentre) {
    const QPoint from(300, 200), to(500, 300);
    const LogicalPoint a = view_->ClientToLogical(from), b = view_->ClientToLogical(to);
    const MapPoint centre = view_->LogicalToWorld({(a.x + b.x) / 2, (a.y + b.y) / 2});
    Drag(from, to);
    EXPECT_EQ(view_->GetRoute().Count(), 0);
    EXPECT_GE(view_->GetZoom(), 3900);  // 800 / 200 x 1000, less the scroll bar
    const MapPoint now = view_->LogicalToWorld(view_->GetClientCenter());
    EXPECT_NEAR(now.longitude, centre.longitude, 2);
    EXPECT_NEAR(now.latitude, centre.latitude, 2);
}

TEST_F(TrevaloViewTest, TheRightButtonSwitchesToTheHandThatMovesTheMap) {
    Click(QPoint(400, 300), Qt::RightButton);
    ASSERT_EQ(view_->GetTrackMode(), TrackMode::Hand);
    const MapPoint before = view_->LogicalToWorld(view_->GetClientCenter());
    Drag(QPoint(400, 300), QPoint(300, 250));
    const MapPoint after = view_->LogicalToWorld(view_->GetClientCenter());
    // The map follows the hand: the centre moves right and up (a pixel is 2.6 arc-seconds).
    EXPECT_NEAR(after.longitude - before.longitude, 100 * 254.0 / view_->Dpi(), 3);
    EXPECT_NEAR(after.latitude - before.latitude, -50 * 254.0 / view_->Dpi(), 3);
    EXPECT_EQ(view_->GetRoute().Count(), 0);
    Click(QPoint(400, 300), Qt::RightButton);
    EXPECT_EQ(view_->GetTrackMode(), TrackMode::Rectangle);
}

TEST_F(TrevaloViewTest, ZoomStepsStopAtTheLimitsAndKeepTheCentre) {
    const MapPoint centre = view_->LogicalToWorld(view_->GetClientCenter());
    view_->OnZoomIn();
    EXPECT_EQ(view_->GetZoom(), 2000);
    const MapPoint zoomed = view_->LogicalToWorld(view_->GetClientCenter());
    EXPECT_NEAR(zoomed.longitude, centre.longitude, 2);
    EXPECT_NEAR(zoomed.latitude, centre.latitude, 2);

    view_->SetZoom(725501);
    view_->OnZoomIn();
    EXPECT_EQ(view_->GetZoom(), 725501);
    view_->SetZoom(3);
    view_->OnZoomOut();
    EXPECT_EQ(view_->GetZoom(), 1);
    view_->OnZoomOut();
    EXPECT_EQ(view_->GetZoom(), 1);
}

TEST_F(TrevaloViewTest, ScaleToFitShowsTheWholeWorldAtTheLargestZoomThatFits) {
    view_->OnScaleToFit();
    const auto pixels = [&](int zoom) { return WorldSizeAtZoom(zoom).cx * view_->Dpi() / 254.0; };
    const int width = view_->viewport()->width();
    EXPECT_LE(pixels(view_->GetZoom()), width + 1);
    EXPECT_GT(pixels(view_->GetZoom() + 1), width);
    EXPECT_EQ(view_->GetFullSize().cx, WorldSizeAtZoom(view_->GetZoom()).cx);
}

// The flight-plan page's route list, as the trip layer reads it.
struct TripPage : FlightPlanPage {
    std::vector<RouteListEntry> entries;
    void SetRouteRecord(int, int, const std::string&, const std::string&, const std::string&, const std::string&,
                        const std::string&, const std::string&, const std::string&) override {}
    std::vector<RouteListEntry> RouteListEntries() const override { return entries; }
};

TEST_F(TrevaloViewTest, TheFlightPlansTripIsDrawnInRedWhileItsSwitchIsOn) {
    // A trip from the middle of the map to a point 8 minutes east and 4 north of it.
    const MapPoint from = view_->LogicalToWorld(view_->GetClientCenter());
    const MapPoint to{from.longitude + 480, from.latitude + 240};
    const auto entry = [](const MapPoint& at) {
        // The page's longitudes count west-positive.
        return RouteListEntry{"P", "U", FormatLatLon(at.latitude / 3600, true),
                              FormatLatLon(-at.longitude / 3600, false)};
    };
    TripPage page;
    page.entries = {entry(from), entry(to)};
    view_->GetRoute().SetWizardPages(&page, nullptr);
    const QColor red(255, 0, 0);
    const auto redOnTheTrip = [&] {
        const QImage shot = view_->viewport()->grab().toImage();
        const QPoint middle =
            view_->WorldToPixel((from.longitude + to.longitude) / 2, (from.latitude + to.latitude) / 2);
        for (int dy = -2; dy <= 2; ++dy)
            if (shot.pixelColor(middle + QPoint(0, dy)) == red) return true;
        return false;
    };
    EXPECT_TRUE(redOnTheTrip());
    const SwitchCommand* trip = nullptr;
    for (const SwitchCommand& command : MapSwitchCommands())
        if (command.id == kCmdShowPlaneTrip) trip = &command;
    ASSERT_NE(trip, nullptr);
    view_->OnToggleSwitch(*trip);
    EXPECT_FALSE(redOnTheTrip());
    view_->OnToggleSwitch(*trip);
    EXPECT_TRUE(redOnTheTrip());
    view_->GetRoute().SetWizardPages(nullptr, nullptr);
}

TEST_F(TrevaloViewTest, TheHoldingChoiceOfTheDialogIsStoredInTheRoute) {
    Click(Airport(1));
    Click(Airport(2));
    ASSERT_EQ(view_->GetRoute().Count(), 2);
    int rows = 0;
    qtplatform::testing::WhenModalShown([&rows](QWidget* airports) {
        auto* list = qtplatform::FindControl<qtplatform::ReportList>(airports, CHoldingAirportsDlg::kAirportList);
        rows = list->RowCount();
        list->SelectRow(1);
        qtplatform::testing::WhenModalShown(
            [](QWidget* radio) { qtplatform::FindControl<QCheckBox>(radio, CHoldingRadioDlg::kNoHolding)->click(); });
        qtplatform::FindControl<QPushButton>(airports, CHoldingAirportsDlg::kEdit)->click();
        qobject_cast<QDialog*>(airports)->accept();
    });
    view_->ShowHoldingAirports();
    EXPECT_EQ(rows, 2);
    EXPECT_EQ(view_->GetRoute().Points()[0].holding, -2);  // the departure has none
    EXPECT_EQ(view_->GetRoute().Points()[1].holding, -3);  // "No Holding at this Airport"
}

}  // namespace
}  // namespace trevalo
