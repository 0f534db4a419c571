// Two planners using the link at once: each reads back exactly what it set, also in the
// groups that both read, change and write back.
#include <gtest/gtest.h>

#include <array>

#include "paused_simulator.h"
#include "platform/process.h"

namespace simlink {
namespace {

using ContentionTest = testing::PausedSimulatorTest;

TEST_F(ContentionTest, TwoProgramsAtOnceEachReadBackWhatTheySet) {
    constexpr int kRounds = 300;
    constexpr int kPatienceMs = 120000;
    std::array<platform::Process, 2> workers;
    for (size_t who = 0; who < workers.size(); ++who) {
        ASSERT_TRUE(workers[who].Start("simlink_test_client.exe",
                                       "contend " + std::to_string(who) + " " + std::to_string(kRounds)));
    }
    for (size_t who = 0; who < workers.size(); ++who) {
        ASSERT_TRUE(workers[who].Wait(kPatienceMs)) << "worker " << who;
        EXPECT_EQ(workers[who].ExitCode(), 0) << "worker " << who;
    }
}

}  // namespace
}  // namespace simlink
