// The real-time page in a sheet of its own beside another page, on a recording link.
#include "wizard/wizard_page10.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>
#include <QToolButton>
#include <chrono>

#include "departure_world.h"
#include "platform/message_box.h"
#include "qtplatform/control_ids.h"
#include "qtplatform/property_sheet.h"
#include "qtplatform/testing/qt_test.h"
#include "qtplatform/up_down_buttons.h"
#include "recording_link.h"

namespace trevalo {
namespace {

using Calls = std::vector<std::string>;
using Page = CWizardPage10;

class RealTimePageTest : public ::testing::Test, protected testing::DepartureWorld {
protected:
    RealTimePageTest() {
        page_ = std::make_unique<Page>(values_, *database, *route, link_);
        link_.Set(
            {.latitude = 47.5, .longitude = -122.25, .altitudeMetres = 1000, .time = {14, 30, 5}, .indicated = 120});
        sheet_.AddPage(other_);
        sheet_.AddPage(*page_);
        sheet_.Create(nullptr);
        sheet_.show();
        sheet_.SetActivePage(1);
        link_.ClearCalls();
    }
    template <class T>
    T* Control(int id) const {
        return qtplatform::FindControl<T>(page_.get(), id);
    }
    std::string Text(int id) const { return Control<QLineEdit>(id)->text().toStdString(); }
    void Type(int id, const char* text) const { Control<QLineEdit>(id)->setText(QString::fromLatin1(text)); }
    // One tick of the refresh timer, its reading to the end.
    void Tick() {
        page_->OnRefreshTimer();
        ASSERT_TRUE(qtplatform::testing::ProcessEventsUntil([this] { return !page_->Refreshing(); }));
    }
    int CallsOf(const std::string& call) const {
        const Calls calls = link_.Calls();
        return static_cast<int>(std::count(calls.begin(), calls.end(), call));
    }
    // The spin's up arrow (a delta of -1, which adds one) or its down arrow.
    void Spin(int id, bool up) const {
        auto* spin = Control<qtplatform::UpDownButtons>(id);
        (up ? spin->up() : spin->down())->click();
    }
    platform::MessageBoxRecorder boxes_;
    RecordingLink link_;
    adf::RealTimeValues values_;
    qtplatform::PropertyPage other_{"Other"};
    std::unique_ptr<Page> page_;
    qtplatform::PropertySheet sheet_{"Sheet"};  // goes before its pages
};

TEST_F(RealTimePageTest, ShowingThePageReadsTheSimulatorInMetresAndIndicatedSpeed) {
    EXPECT_TRUE(Control<QRadioButton>(Page::kMetre)->isChecked());
    EXPECT_TRUE(Control<QRadioButton>(Page::kIndicatedAirspeed)->isChecked());
    EXPECT_EQ(Text(Page::kAltitude), "1000");
    EXPECT_EQ(Text(Page::kLatitude), "47.5");
    EXPECT_EQ(Text(Page::kSpeed), "120");
    EXPECT_EQ(page_->RefreshPeriodMs(), 5000);
    EXPECT_TRUE(page_->RefreshTimerActive());

    Control<QRadioButton>(Page::kFeet)->click();
    EXPECT_EQ(Text(Page::kAltitude), "3281");
}

// The link's encoding leaves digits far below a metre: the page shows both coordinates
// to the millionth of a degree, on a tick and on showing the page alike.
TEST_F(RealTimePageTest, ThePositionIsShownToAMillionthOfADegree) {
    RecordingLink::State state = link_.Get();
    state.latitude = 47.451234567891234;
    state.longitude = -122.29876543210987;
    link_.Set(state);
    Tick();
    EXPECT_EQ(Text(Page::kLatitude), "47.451235");
    EXPECT_EQ(Text(Page::kLongitude), "-122.298765");
    state.latitude = -0.30000000000001137;
    state.longitude = 179.99999999999997;
    link_.Set(state);
    sheet_.SetActivePage(0);
    sheet_.SetActivePage(1);
    EXPECT_EQ(Text(Page::kLatitude), "-0.3");
    EXPECT_EQ(Text(Page::kLongitude), "180");
}

TEST_F(RealTimePageTest, TimerRefreshesOnlyTheActivePageAndShowingItForcesOne) {
    Tick();
    EXPECT_EQ(link_.Calls().front(), "IsRunning");
    sheet_.SetActivePage(0);
    link_.ClearCalls();
    Tick();
    EXPECT_TRUE(link_.Calls().empty());
    sheet_.SetActivePage(1);
    EXPECT_FALSE(link_.Calls().empty());
}

TEST_F(RealTimePageTest, ATickReadsNoIntervalAndShowsNoBoxForABadOne) {
    Type(Page::kInterval, "many");
    Tick();
    Tick();
    EXPECT_TRUE(boxes_.texts().empty());
    EXPECT_EQ(Text(Page::kInterval), "many");
    EXPECT_EQ(link_.Calls().size(), 2u * 7u);
}

TEST_F(RealTimePageTest, ATickWaitsForTheSimulatorOnAWorkerAndOnlyOneAtATime) {
    RecordingLink::State state = link_.Get();
    state.altitudeMetres = 2000;
    link_.Set(state);
    link_.DelayIsRunning(std::chrono::milliseconds(500));
    const auto start = std::chrono::steady_clock::now();
    page_->OnRefreshTimer();
    page_->OnRefreshTimer();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(250));
    EXPECT_TRUE(page_->Refreshing());
    ASSERT_TRUE(qtplatform::testing::ProcessEventsUntil([this] { return !page_->Refreshing(); }));
    EXPECT_EQ(CallsOf("IsRunning"), 1);
    EXPECT_EQ(Text(Page::kAltitude), "2000");
}

TEST_F(RealTimePageTest, NoRefreshWhileABoxIsUp) {
    bool askedDuringTheBox = true;
    qtplatform::testing::WhenModalShown([&](QWidget* modal) {
        link_.ClearCalls();
        page_->OnRefreshTimer();
        askedDuringTheBox = page_->Refreshing() || !link_.Calls().empty();
        static_cast<QDialog*>(modal)->reject();
    });
    QDialog box(page_.get());
    box.exec();
    EXPECT_FALSE(askedDuringTheBox);
}

TEST_F(RealTimePageTest, ASimulatorThatStopsDisablesTheLinkControlsButNotTheInterval) {
    link_.Set({.running = false});
    Tick();
    EXPECT_FALSE(Control<QLineEdit>(Page::kAltitude)->isEnabled());
    EXPECT_FALSE(Control<QPushButton>(Page::kMoveToDeparture)->isEnabled());
    EXPECT_TRUE(Control<QLineEdit>(Page::kInterval)->isEnabled());
    EXPECT_EQ(link_.Calls(), Calls{"IsRunning"});

    link_.Set({.altitudeMetres = 5});
    link_.FailFrom("Latitude");
    Tick();
    EXPECT_EQ(link_.Calls().back(), "Latitude") << "the refresh stops at the failed call";
    EXPECT_FALSE(Control<QLineEdit>(Page::kAltitude)->isEnabled());
}

TEST_F(RealTimePageTest, IntervalSpinStaysWithinAMinuteAndZeroStopsTheTimer) {
    Type(Page::kInterval, "59");
    Spin(Page::kIntervalSpin, true);
    Spin(Page::kIntervalSpin, true);
    EXPECT_EQ(Text(Page::kInterval), "60");
    EXPECT_EQ(page_->RefreshPeriodMs(), 60000);
    Type(Page::kInterval, "1");
    Spin(Page::kIntervalSpin, false);
    Spin(Page::kIntervalSpin, false);
    EXPECT_EQ(Text(Page::kInterval), "0");
    EXPECT_FALSE(page_->RefreshTimerActive());
}

TEST_F(RealTimePageTest, AltitudeSpinSendsMetresAlsoWhenFeetAreShown) {
    Control<QRadioButton>(Page::kFeet)->click();
    Type(Page::kAltitude, "999");
    link_.ClearCalls();
    Spin(Page::kAltitudeSpin, true);
    EXPECT_EQ(link_.Calls(), Calls{"SetAltitudeMetres 304.785126"});
    EXPECT_EQ(Text(Page::kAltitude), "1000");
}

TEST_F(RealTimePageTest, PauseAndTimeAreSentThenTheValuesRead) {
    Control<QCheckBox>(Page::kPause)->click();
    EXPECT_EQ(link_.Calls().front(), "SetPaused 1");
    EXPECT_TRUE(link_.Get().paused);
    link_.ClearCalls();
    Control<QTimeEdit>(Page::kTime)->setTime(QTime(9, 15, 0));
    EXPECT_EQ(link_.Calls().front(), "SetTime 09:15:00");
    EXPECT_EQ(CallsOf("SetTime 09:15:00"), 1) << "showing the time read back sends nothing";
}

TEST_F(RealTimePageTest, GoToPlaneCentresTheMapOnThePlane) {
    std::optional<std::pair<double, double>> centred;
    page_->SetCentreMap([&](double latitude, double longitude) { centred = {latitude, longitude}; });
    Control<QPushButton>(Page::kGoToPlane)->click();
    EXPECT_EQ(centred, std::make_pair(47.5, -122.25));
}

TEST_F(RealTimePageTest, ActionsOnASimulatorNotRunningSayTheyCouldNotLocateThePlane) {
    link_.Set({.running = false});
    Control<QPushButton>(Page::kGoToPlane)->click();
    page_->OnMoveToDeparture();
    ASSERT_EQ(boxes_.shown().size(), 2u);
    for (const platform::MessageBoxRequest& box : boxes_.shown()) {
        EXPECT_EQ(box.text, kPlaneNotLocatedMessage);
        EXPECT_EQ(box.caption, kPlaneNotLocatedCaption);
        EXPECT_EQ(box.icon, platform::MbIcon::Information);
    }
}

TEST_F(RealTimePageTest, MoveToDepartureNeedsAnAirportFirst) {
    Control<QPushButton>(Page::kMoveToDeparture)->click();
    AddPoint(kPointVor, airportNumber);
    Control<QPushButton>(Page::kMoveToDeparture)->click();
    EXPECT_EQ(boxes_.texts(), (std::vector<std::string>{kNoDepartureAirportMessage, kDepartureNotAirportMessage}));
    EXPECT_EQ(boxes_.shown().back().caption, kInvalidRequestCaption);
    EXPECT_EQ(CallsOf("SetLatitude 47.5000"), 0);

    route->Points().front().type = kPointAirport;
    boxes_.clear();
    Control<QPushButton>(Page::kMoveToDeparture)->click();
    EXPECT_TRUE(boxes_.texts().empty());
    EXPECT_EQ(CallsOf("SetLatitude 47.5000"), 3);
    EXPECT_FALSE(link_.Get().slewing);
}

}  // namespace
}  // namespace trevalo
