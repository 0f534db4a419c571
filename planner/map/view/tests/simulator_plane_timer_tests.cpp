#include "mapview/simulator_plane_timer.h"

#include <gtest/gtest.h>

#include "qtplatform/testing/qt_test.h"
#include "recording_link.h"
#include "shell/settings.h"
#include "testing/temp_environment.h"

namespace trevalo {
namespace {

using qtplatform::testing::ProcessEventsUntil;

struct PollingCase {
    const char* movePlane;
    const char* update;
    int seconds;
    int periodMs;
};

const PollingCase kPollingCases[] = {
    {"1", "10", 10, 10000},
    {"1", "1", 1, 1000},
    {"1", "60", 60, 60000},
    {"1", "61", 60, 60000},
    {"1", "4294967296000", 60, 60000},  // once overflowed the milliseconds
    {"1", "7 seconds", 7, 7000},
    {"1", "0", 0, 5000},
    {"1", "-3", 0, 5000},
    {"1", "", 0, 5000},
    {"1", "often", 0, 5000},
    {"0", "10", 0, 5000},
    {"yes", "10", 0, 5000},
};

TEST(PlanePollingTest, SwitchAndIntervalGiveThePeriod) {
    for (const PollingCase& test : kPollingCases) {
        SCOPED_TRACE(testing::Message() << test.movePlane << " / " << test.update);
        const PlanePolling polling = PlanePollingFromSettings(test.movePlane, test.update);
        EXPECT_EQ(polling.intervalSeconds, test.seconds);
        EXPECT_EQ(polling.TimerPeriodMs(), test.periodMs);
    }
}

TEST(PlanePollingTest, ReadFromTheConfiguration) {
    platform::testing::TempEnvironment env;
    EXPECT_EQ(ReadPlanePolling(), PlanePolling{10});
    Settings().WriteString(SettingId::RealMovePlaneUpdt, "3");
    EXPECT_EQ(ReadPlanePolling(), PlanePolling{3});
    Settings().WriteSwitch(SettingId::RealMovePlane, false);
    EXPECT_EQ(ReadPlanePolling(), PlanePolling{0});
}

TEST(ReadSimulatorPlaneTest, StopsAtTheFirstFailedCall) {
    RecordingLink link;
    link.Set({.latitude = 10, .longitude = 20, .heading = 30});
    EXPECT_EQ(ReadSimulatorPlane(link), PlanePositionFromDegrees(10, 20, 30));
    EXPECT_EQ(link.Calls(), (std::vector<std::string>{"IsRunning", "Latitude", "Longitude", "Heading"}));

    link.ClearCalls();
    link.FailFrom("Latitude");
    EXPECT_EQ(ReadSimulatorPlane(link), std::nullopt);
    EXPECT_EQ(link.Calls(), (std::vector<std::string>{"IsRunning", "Latitude"}));

    link.ClearCalls();
    link.Set({.running = false});
    EXPECT_EQ(ReadSimulatorPlane(link), std::nullopt);
    EXPECT_EQ(link.Calls(), std::vector<std::string>{"IsRunning"});
}

class PlaneTimerTest : public ::testing::Test {
protected:
    // One tick and its poll to the end.
    void TickAndWait() {
        timer_.Tick();
        ASSERT_TRUE(ProcessEventsUntil([this] { return !timer_.Polling(); }));
    }

    RecordingLink link_;
    int redraws_ = 0;
    PlanePolling polling_{10};
    SimulatorPlaneTimer timer_{link_, [this] { ++redraws_; }, [this] { return polling_; }};
};

TEST_F(PlaneTimerTest, RedrawsWhenThePlaneMovesAndOnceMoreWhenTheSimulatorStops) {
    link_.Set({.latitude = 1, .longitude = 2, .heading = 3});
    TickAndWait();
    EXPECT_EQ(redraws_, 1);
    EXPECT_EQ(timer_.Plane(), PlanePositionFromDegrees(1, 2, 3));
    TickAndWait();
    EXPECT_EQ(redraws_, 1) << "the plane held still";
    link_.Set({.latitude = 1.5, .longitude = 2, .heading = 3});
    TickAndWait();
    EXPECT_EQ(redraws_, 2);

    link_.Set({.running = false});
    TickAndWait();
    EXPECT_EQ(redraws_, 3) << "one redraw erases the plane";
    EXPECT_EQ(timer_.Plane(), std::nullopt);
    TickAndWait();
    TickAndWait();
    EXPECT_EQ(redraws_, 3);
}

TEST_F(PlaneTimerTest, EachTickTakesTheConfiguredPeriod) {
    link_.Set({.running = false});
    TickAndWait();
    EXPECT_EQ(timer_.PeriodMs(), 10000);
    polling_ = {2};
    TickAndWait();
    EXPECT_EQ(timer_.PeriodMs(), 2000);
}

TEST_F(PlaneTimerTest, SwitchedOffAsksNothingAndErasesThePlane) {
    link_.Set({.latitude = 1, .longitude = 2, .heading = 3});
    TickAndWait();
    ASSERT_TRUE(timer_.Plane());
    polling_ = {0};
    link_.ClearCalls();
    timer_.Tick();
    EXPECT_FALSE(timer_.Polling());
    EXPECT_TRUE(link_.Calls().empty());
    EXPECT_EQ(timer_.Plane(), std::nullopt);
    EXPECT_EQ(redraws_, 2);
    EXPECT_EQ(timer_.PeriodMs(), 5000);
}

}  // namespace
}  // namespace trevalo
