// A simulator that stops answering: no TR_ call waits much more than one request's
// bound, and a setter that cannot read the fields it changes writes nothing.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "paused_simulator.h"
#include "platform/process.h"
#include "simlinker/global_block.h"
#include "simlinker/link_protocol.h"
#include "simlinker/simlinker.h"

namespace simlink {
namespace {

using namespace global_block;
using testing::Clock;
using testing::MillisecondsSince;

// One bound, and what a loaded machine may add to it.
constexpr long long kLongestCallMs = kRequestTimeoutMs + 600;

class HungSimulatorTest : public testing::PausedSimulatorTest {
protected:
    // Keeps asking until the simulator answers again.
    void WaitUntilItAnswers() {
        const auto deadline = Clock::now() + std::chrono::seconds(20);
        while (TR_IsFSRunning() == 0 && Clock::now() < deadline) {
        }
        ASSERT_NE(TR_IsFSRunning(), 0);
    }
};

struct TimedCall {
    const char* name;
    std::function<int()> call;
};

// The calls with the most requests of each kind: flag groups, positions, time, date,
// speeds, and the heading with its slew updates around it.
const TimedCall kTimedCalls[] = {
    {"TR_GetFSPause", [] { return TR_GetFSPause(); }},
    {"TR_GetFSRate", [] { return static_cast<int>(TR_GetFSRate()); }},
    {"TR_SetFSSmoke", [] { return TR_SetFSSmoke(1); }},
    {"TR_GetFSLat", [] { return static_cast<int>(TR_GetFSLat()); }},
    {"TR_SetFSLon", [] { return TR_SetFSLon(10.0); }},
    {"TR_SetFSMin", [] { return TR_SetFSMin(7); }},
    {"TR_SetFSSEason",
     [] {
         TR_SetFSSEason(2);
         return 0;
     }},
    {"TR_SetFSSpeedIAS", [] { return TR_SetFSSpeedIAS(100.0); }},
    {"TR_SetFSHdg", [] { return TR_SetFSHdg(90.0); }},
    {"TR_Write",
     [] {
         unsigned got = 0;
         std::uint8_t byte = 1;
         return TR_Write(&byte, 1, &got, kSmoke);
     }},
};

TEST_F(HungSimulatorTest, NoCallWaitsMoreThanOneBound) {
    const int hangMs = static_cast<int>(std::size(kTimedCalls)) * kRequestTimeoutMs + 3000;
    ASSERT_EQ(sim_.Command("hang " + std::to_string(hangMs)), "ok");
    for (const TimedCall& test : kTimedCalls) {
        const auto start = Clock::now();
        EXPECT_EQ(test.call(), 0) << test.name;
        EXPECT_LE(MillisecondsSince(start), kLongestCallMs) << test.name;
    }
    WaitUntilItAnswers();
}

TEST_F(HungSimulatorTest, AnotherProgramWaitingOnTheSimulatorDoesNotAddItsWait) {
    platform::Process other;
    ASSERT_TRUE(other.Start("simlink_test_client.exe", "loop", {}, platform::ShowMode::Hidden));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    ASSERT_EQ(sim_.Command("hang 4000"), "ok");
    for (int round = 0; round < 3; ++round) {
        const auto start = Clock::now();
        EXPECT_EQ(TR_GetFSPause(), 0);
        EXPECT_LE(MillisecondsSince(start), kLongestCallMs) << "round " << round;
    }
    ::kill(other.Id(), SIGKILL);
    other.Wait();
    WaitUntilItAnswers();
}

TEST_F(HungSimulatorTest, ASetterThatCannotReadWritesNothing) {
    // Slew on and a rate of 2 as well, so that a flag group written back from failed
    // reads would show.
    ASSERT_EQ(sim_.Command("set 1492 01"), "ok");
    ASSERT_EQ(sim_.Command("set 3098 0002"), "ok");
    const struct {
        const char* name;
        std::function<int()> call;
        std::uint32_t offset;
        std::uint32_t length;
    } cases[] = {
        {"TR_SetFSSmoke", [] { return TR_SetFSSmoke(1); }, kSlew, 1},
        {"TR_SetFSPause", [] { return TR_SetFSPause(0); }, kPause, 1},
        {"TR_SetFSRate", [] { return TR_SetFSRate(4.0); }, kRate, 2},
        {"TR_SetFSLat", [] { return TR_SetFSLat(10.0); }, kLatitudeLow, 16},
        {"TR_SetFSLon", [] { return TR_SetFSLon(10.0); }, kLatitudeLow, 16},
        {"TR_SetFSMin", [] { return TR_SetFSMin(7); }, kHour, 3},
        {"TR_SetFSHdg", [] { return TR_SetFSHdg(45.0); }, kHeading, 4},
    };
    for (const auto& test : cases) {
        const std::string before = Dump(test.offset, test.length) + Dump(kSlew, 1) + Dump(kPause, 1);
        // Shorter than the calls would take if they went on after the first silence, so
        // that what they would write then reaches the simulator.
        ASSERT_EQ(sim_.Command("hang 1500"), "ok");
        EXPECT_EQ(test.call(), 0) << test.name;
        WaitUntilItAnswers();
        EXPECT_EQ(Dump(test.offset, test.length) + Dump(kSlew, 1) + Dump(kPause, 1), before) << test.name;
    }
}

}  // namespace
}  // namespace simlink
