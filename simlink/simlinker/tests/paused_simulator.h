// The fixture of the end-to-end link tests: the stand-in simulator run as a separate
// process with Cabinhook loaded, paused so that values hold still between calls.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <string>

#include "fsim_harness.h"
#include "testing/temp_environment.h"

namespace simlink::testing {

using Clock = std::chrono::steady_clock;

inline long long MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

class PausedSimulatorTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(sim_.Ready());
        ASSERT_EQ(sim_.Command("set 616 01"), "ok");
    }
    // The bytes of the simulator's global block in hex, as fsim's "dump" gives them.
    std::string Dump(std::uint32_t offset, std::uint32_t length) {
        return sim_.Command("dump " + std::to_string(offset) + " " + std::to_string(length));
    }

    platform::testing::TempEnvironment env_;
    fsim::testing::FsimProcess sim_{env_};
};

}  // namespace simlink::testing
