#include "platform/message_loop.h"

#include <gtest/gtest.h>

#include "platform/process.h"
#include "testing/temp_environment.h"

namespace platform {
namespace {

TEST(MessageLoopTest, WaitsInsteadOfSpinningWhenNoDescriptorIsLeft) {
    testing::TempEnvironment env;
    Process child;
    ASSERT_TRUE(child.Start("platform_descriptor_child.exe", "", {}, ShowMode::Hidden));
    ASSERT_TRUE(child.Wait(60000));
    // 1: the loop spun while it could not accept; 2: it never accepted again; 3: set-up.
    EXPECT_EQ(child.ExitCode(), 0);
}

}  // namespace
}  // namespace platform
