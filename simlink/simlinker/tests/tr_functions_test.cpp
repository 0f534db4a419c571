// The TR_ functions end to end against the stand-in simulator, run as a separate process.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <cstring>
#include <thread>

#include "fsim_harness.h"
#include "paused_simulator.h"
#include "platform/process.h"
#include "platform/shared_memory.h"
#include "simlinker/global_block.h"
#include "simlinker/link_protocol.h"
#include "simlinker/simlinker.h"

namespace simlink {
namespace {

using namespace global_block;
using fsim::testing::FsimProcess;
using fsim::testing::FsimSetup;
using testing::Clock;

std::string Hex(const void* bytes, size_t count) {
    std::string text;
    char pair[3];
    for (size_t index = 0; index < count; ++index) {
        std::snprintf(pair, sizeof pair, "%02x", static_cast<const unsigned char*>(bytes)[index]);
        text += pair;
    }
    return text;
}

using TrFunctionsTest = testing::PausedSimulatorTest;
using testing::MillisecondsSince;

TEST_F(TrFunctionsTest, ReportsVersionAndARunningSimulator) {
    int major = 0, minor = 0, build = 0;
    TR_GetVersion(&major, &minor, &build);
    EXPECT_EQ(major * 100 + minor * 10 + build, 101);
    EXPECT_NE(TR_IsFSRunning(), 0);
}

TEST_F(TrFunctionsTest, FollowsCabinhookBeingUnloadedAndLoadedAgain) {
    EXPECT_NE(TR_IsFSRunning(), 0);
    ASSERT_EQ(sim_.Command("unload"), "ok");
    EXPECT_EQ(TR_IsFSRunning(), 0);
    ASSERT_EQ(sim_.Command("load"), "loaded");
    EXPECT_NE(TR_IsFSRunning(), 0);
    // Reloaded without a call in between: the block held is not the new one.
    ASSERT_EQ(sim_.Command("unload"), "ok");
    ASSERT_EQ(sim_.Command("load"), "loaded");
    ASSERT_EQ(sim_.Command("set 582 cf07"), "ok");
    EXPECT_EQ(TR_GetFSYear(), 1999);
    std::uint8_t bytes[2] = {0xd2, 0x07};
    unsigned got = 0;
    EXPECT_EQ(TR_Write(bytes, sizeof bytes, &got, kYear), 1);
    EXPECT_EQ(Dump(kYear, 2), "d207");
}

TEST_F(TrFunctionsTest, HeadingReadsSignedAndIsWrittenWhileSlewing) {
    ASSERT_EQ(sim_.Command("set 1408 000000c0"), "ok");  // three quarters of a turn
    EXPECT_DOUBLE_EQ(TR_GetFSHdg(), -90.0);
    EXPECT_EQ(TR_SetFSHdg(180.0), 1);
    EXPECT_EQ(Dump(kHeading, 4), "00000080");
    EXPECT_EQ(Dump(kSlew, 1), "00");  // switched off again
    ASSERT_EQ(sim_.Command("set 1492 01"), "ok");
    EXPECT_EQ(TR_SetFSHdg(-90.0), 1);
    EXPECT_EQ(Dump(kHeading, 4), "000000c0");
    EXPECT_EQ(Dump(kSlew, 1), "01");
}

TEST_F(TrFunctionsTest, FlagSettersReplaceOneFlagOnly) {
    ASSERT_EQ(sim_.Command("set 1352 01"), "ok");
    EXPECT_EQ(TR_SetFSRate(2.5), 1);
    EXPECT_EQ(Dump(kRate, 2), "0002");  // 512: the fraction is not kept
    EXPECT_DOUBLE_EQ(TR_GetFSRate(), 2.0);
    EXPECT_EQ(TR_GetFSSmoke(), 1);
    EXPECT_EQ(TR_GetFSPause(), 1);
    EXPECT_EQ(TR_SetFSSmoke(0), 1);
    EXPECT_EQ(TR_SetFSSlew(1), 1);
    EXPECT_EQ(Dump(kSmoke, 1) + Dump(kSlew, 1) + Dump(kPause, 1), "000101");
    EXPECT_EQ(TR_GetFSSlew(), 1);
}

TEST_F(TrFunctionsTest, PositionSettersKeepTheOtherCoordinate) {
    // Set first: the simulator may have moved a little before SetUp paused it.
    EXPECT_EQ(TR_SetFSLon(-122.3), 1);
    const double longitude = TR_GetFSLon();
    EXPECT_NEAR(longitude, -122.3, 1e-6);
    EXPECT_EQ(TR_SetFSLat(-33.75), 1);
    EXPECT_NEAR(TR_GetFSLat(), -33.75, 1e-9);
    EXPECT_NEAR(TR_GetFSLon(), longitude, 1e-9);
    EXPECT_EQ(TR_SetFSLon(180.0), 1);
    EXPECT_EQ(Dump(kLongitudeHigh, 4), "00000080");
    EXPECT_DOUBLE_EQ(TR_GetFSLon(), -180.0);
    EXPECT_NEAR(TR_GetFSLat(), -33.75, 1e-9);
}

TEST_F(TrFunctionsTest, TimeAltitudeAndSpeedsConvert) {
    EXPECT_EQ(TR_SetFSTime(23, 59, 58), 1);
    EXPECT_EQ(TR_SetFSMin(7), 1);
    int h = 0, m = 0, s = 0;
    TR_GetFSTime(&h, &m, &s);
    EXPECT_EQ(h * 10000 + m * 100 + s, 230758);
    EXPECT_EQ(TR_GetFSSec(), 58);
    EXPECT_EQ(TR_SetFSAltM(-5.7), 1);
    EXPECT_EQ(Dump(kAltitude, 4), "fbffffff");  // wraps as the 32-bit field does
    EXPECT_EQ(TR_SetFSAltF(1000.0), 1);
    EXPECT_DOUBLE_EQ(TR_GetFSAltM(), 304.0);
    EXPECT_DOUBLE_EQ(TR_GetFSAltF(), 304.0 * 3.281);
    EXPECT_NEAR(TR_GetFSSpeedGS(), 120.0, 1e-3);
    EXPECT_DOUBLE_EQ(TR_GetFSSpeedTAS(), 130.0);
    EXPECT_EQ(TR_GetFSYear(), 2002);
    TR_SetFSYear(1999);  // the date stays as the simulator has it
    EXPECT_EQ(TR_GetFSYear(), 2002);
}

TEST_F(TrFunctionsTest, WriteReturnsWhatTheSimulatorHolds) {
    std::uint8_t bytes[4] = {0x12, 0x34, 0x56, 0x78};
    unsigned got = 0;
    EXPECT_EQ(TR_Write(bytes, sizeof bytes, &got, kAltitude), 1);
    EXPECT_EQ(got, 4u);
    EXPECT_EQ(Hex(bytes, 4), "12345678");
    EXPECT_EQ(Dump(kAltitude, 4), "12345678");
    std::uint8_t read[4] = {};
    EXPECT_EQ(TR_Read(read, sizeof read, &got, kAltitude), 1);
    EXPECT_EQ(Hex(read, 4), "12345678");
}

TEST_F(TrFunctionsTest, RefusesOutOfRangeRequestsWithoutSending) {
    const struct {
        unsigned length;
        unsigned offset;
    } cases[] = {{300, 0}, {257, 100}, {1, kOffsetLimit}, {200, kOffsetLimit - 100}};
    // A hung simulator shows whether a request went out: a sent one would wait.
    ASSERT_EQ(sim_.Command("hang 4000"), "ok");
    std::uint8_t buffer[300] = {};
    for (const auto& test : cases) {
        unsigned got = 99;
        const auto start = Clock::now();
        EXPECT_EQ(TR_Read(buffer, test.length, &got, test.offset), 0) << test.length << "@" << test.offset;
        EXPECT_EQ(TR_Write(buffer, test.length, &got, test.offset), 0) << test.length << "@" << test.offset;
        EXPECT_EQ(got, 0u);
        EXPECT_LT(MillisecondsSince(start), 500);
    }
}

TEST_F(TrFunctionsTest, HungSimulatorFailsReadsAndWritesAfterAboutASecond) {
    ASSERT_EQ(sim_.Command("hang 6000"), "ok");
    std::uint8_t byte = 0;
    unsigned got = 0;
    for (auto transfer : {TR_Read, TR_Write}) {
        const auto start = Clock::now();
        EXPECT_EQ(transfer(&byte, 1, &got, kHour), 0);
        const long long waited = MillisecondsSince(start);
        EXPECT_GE(waited, 900);
        EXPECT_LE(waited, 3000);
    }
    // Answered again once the simulator is back.
    const auto deadline = Clock::now() + std::chrono::seconds(20);
    while (TR_Read(&byte, 1, &got, kHour) == 0 && Clock::now() < deadline) {
    }
    EXPECT_EQ(got, 1u);
}

TEST_F(TrFunctionsTest, ARequestGivenUpOnIsNotCarriedOutLater) {
    ASSERT_EQ(sim_.Command("set 1396 11111111"), "ok");
    ASSERT_EQ(sim_.Command("hang 1300"), "ok");
    std::uint8_t bytes[4] = {};
    unsigned got = 0;
    EXPECT_EQ(TR_Read(bytes, sizeof bytes, &got, kAltitude), 0);
    // Sent while the simulator still hangs; the read given up on must not run before it
    // and put the old altitude into the transfer block.
    std::memset(bytes, 0x22, sizeof bytes);
    EXPECT_EQ(TR_Write(bytes, sizeof bytes, &got, kAltitude), 1);
    EXPECT_EQ(Hex(bytes, 4), "22222222");
    EXPECT_EQ(Dump(kAltitude, 4), "22222222");
}

TEST_F(TrFunctionsTest, ValuesMoveWhileTheSimulatorRuns) {
    ASSERT_EQ(sim_.Command("set 616 00"), "ok");
    const int second = TR_GetFSSec();
    const double longitude = TR_GetFSLon();
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    EXPECT_NE(TR_GetFSSec(), second);
    EXPECT_GT(TR_GetFSLon(), longitude);  // heading east
}

TEST_F(TrFunctionsTest, ACrashedSimulatorLeavesNothingThatBreaksTheNextStart) {
    sim_.Kill();
    EXPECT_EQ(TR_IsFSRunning(), 0);
    EXPECT_DOUBLE_EQ(TR_GetFSLat(), 0.0);
    FsimProcess next(env_);
    ASSERT_TRUE(next.Ready());
    EXPECT_NE(TR_IsFSRunning(), 0);
    EXPECT_EQ(TR_GetFSYear(), 2002);
}

TEST_F(TrFunctionsTest, AKilledPlannerLeavesNothingThatBreaksTheNextStart) {
    // Killed while it hammers the link, then while a request waits on a hung simulator.
    for (const char* hang : {"hang 0", "hang 1500"}) {
        ASSERT_EQ(sim_.Command(hang), "ok");
        platform::Process client;
        ASSERT_TRUE(client.Start("simlink_test_client.exe", "loop", {}, platform::ShowMode::Hidden));
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        ::kill(client.Id(), SIGKILL);
        ASSERT_TRUE(client.Wait(20000));
    }
    ASSERT_EQ(sim_.Command("dump 582 2"), "d207");  // 2002: the simulator is back
    platform::Process next;
    ASSERT_TRUE(next.Start("simlink_test_client.exe", "once", {}, platform::ShowMode::Hidden));
    ASSERT_TRUE(next.Wait(20000));
    EXPECT_EQ(next.ExitCode(), 0);
    EXPECT_NE(TR_IsFSRunning(), 0);
}

TEST(TrFunctionsWithoutLinkTest, EveryCallFailsWithoutCabinhookOrSimulator) {
    platform::testing::TempEnvironment env;
    EXPECT_EQ(TR_IsFSRunning(), 0);
    EXPECT_EQ(TR_SetFSHrs(3), 0);
    {
        FsimProcess sim(env, FsimSetup{.withCabinhook = false});
        ASSERT_TRUE(sim.Ready());
        EXPECT_EQ(TR_IsFSRunning(), 0);
        EXPECT_EQ(TR_GetFSYear(), 0);
        EXPECT_DOUBLE_EQ(TR_GetFSHdg(), 0.0);
        unsigned got = 5;
        std::uint8_t byte = 0;
        EXPECT_EQ(TR_Read(&byte, 1, &got, kHour), 0);
        EXPECT_EQ(got, 0u);
    }
    EXPECT_EQ(TR_Read(nullptr, 0, nullptr, 0), 0);
}

}  // namespace
}  // namespace simlink
