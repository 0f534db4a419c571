// The map's plane against the stand-in simulator with Cabinhook: it follows the simulator,
// and a simulator that hangs never holds up the painting.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPainter>
#include <QWidget>
#include <chrono>

#include "fsim_harness.h"
#include "mapview/simulator_plane_timer.h"
#include "qtplatform/testing/qt_test.h"
#include "testing/temp_environment.h"

namespace trevalo {
namespace {

using Clock = std::chrono::steady_clock;
using qtplatform::testing::ProcessEventsUntil;

// A map stand-in that paints from the timer's last plane, as the map view does.
class PlaneView : public QWidget {
public:
    explicit PlaneView(SimulatorPlaneTimer*& timer) : timer_(timer) { resize(100, 100); }
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        if (timer_ != nullptr && timer_->Plane()) painter.drawPoint(50, 50);
        ++paints;
    }

private:
    SimulatorPlaneTimer*& timer_;
};

class SimulatorPlaneLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(sim_.Ready());
        ASSERT_EQ(sim_.Command("set 616 01"), "ok");  // paused: the plane holds still
        view_.show();
    }

    platform::testing::TempEnvironment env_;
    fsim::testing::FsimProcess sim_{env_};
    SimulatorPlaneTimer* timerOfView_ = nullptr;
    PlaneView view_{timerOfView_};
    int redraws_ = 0;
    // A period long enough that only the test's own ticks poll.
    SimulatorPlaneTimer timer_{SimlinkerLink(),
                               [this] {
                                   ++redraws_;
                                   view_.update();
                               },
                               [] { return PlanePolling{60}; }};
};

TEST_F(SimulatorPlaneLinkTest, PlaneFollowsTheSimulatorAndHangingDoesNotStopThePainting) {
    timerOfView_ = &timer_;
    SimulatorLink& link = SimlinkerLink();
    ASSERT_TRUE(link.SetLatitude(47.5));
    ASSERT_TRUE(link.SetLongitude(-122.25));
    ASSERT_TRUE(link.SetHeading(90.0));
    timer_.Start();
    ASSERT_TRUE(ProcessEventsUntil([this] { return timer_.Plane().has_value(); }));
    const PlanePosition plane = *timer_.Plane();
    EXPECT_NEAR(plane.y, 47.5 * 3600, 1.0);
    EXPECT_NEAR(plane.x, -122.25 * 3600, 1.0);
    EXPECT_NEAR(plane.heading, 90.0, 0.01);
    EXPECT_EQ(redraws_, 1);

    ASSERT_EQ(sim_.Command("hang 2500"), "ok");
    timer_.Tick();
    ASSERT_TRUE(timer_.Polling());
    // While the poll waits on the simulator the view paints at once, many times.
    const auto start = Clock::now();
    const int paintsBefore = view_.paints;
    while (timer_.Polling() && Clock::now() - start < std::chrono::seconds(5)) {
        view_.repaint();
        QCoreApplication::processEvents();
    }
    EXPECT_GT(view_.paints - paintsBefore, 10);
    EXPECT_EQ(timer_.Plane(), std::nullopt) << "an unanswered poll erases the plane";
    EXPECT_EQ(redraws_, 2);

    // Once it answers again the plane comes back.
    ASSERT_TRUE(ProcessEventsUntil(
        [this] {
            if (!timer_.Polling()) timer_.Tick();
            return timer_.Plane().has_value();
        },
        10000));
}

}  // namespace
}  // namespace trevalo
