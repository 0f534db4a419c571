// Moving the plane and reading it back through the real link, against the stand-in
// simulator with Cabinhook.
#include <gtest/gtest.h>

#include "fsim_harness.h"
#include "testing/temp_environment.h"
#include "wizard/real_time_link.h"

namespace trevalo {
namespace {

TEST(RealTimeLinkSimulatorTest, MovedPlaneReadsBackWithSlewAndPauseAsTheyWere) {
    platform::testing::TempEnvironment env;
    fsim::testing::FsimProcess sim(env);
    ASSERT_TRUE(sim.Ready());
    ASSERT_EQ(sim.Command("set 616 01"), "ok");  // paused, so the plane stays where it was put
    SimulatorLink& link = SimlinkerLink();
    ASSERT_TRUE(MovePlaneTo(link, {47.5, -122.25, 160, 433}));

    adf::RealTimeValues values;
    SimulatorTime time;
    ASSERT_TRUE(ReadLiveValues(link, AltitudeUnit::Feet, SpeedKind::Indicated, values, time));
    EXPECT_NEAR(values.latitude, 47.5, 1e-4);
    EXPECT_NEAR(values.longitude, -122.25, 1e-4);
    EXPECT_NEAR(values.altitude, 433, 4);  // whole metres in the simulator
    EXPECT_EQ(values.pause, 1);
    EXPECT_EQ(link.Slewing(), false);
    EXPECT_NEAR(*link.Heading(), 160, 0.01);
}

}  // namespace
}  // namespace trevalo
