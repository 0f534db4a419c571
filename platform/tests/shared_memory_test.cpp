#include "platform/shared_memory.h"

#include <gtest/gtest.h>

#include <cstring>

#include "testing/temp_environment.h"

namespace platform {
namespace {

TEST(SharedMemoryTest, OpenSeesWhatCreateWroteUntilRemoved) {
    testing::TempEnvironment env;
    EXPECT_FALSE(SharedMemory::Exists("block"));
    SharedMemory owner;
    ASSERT_EQ(owner.Create("block", 256), SharedMemory::CreateStatus::Created);
    std::memcpy(owner.data(), "abc", 3);
    SharedMemory user;
    ASSERT_TRUE(user.Open("block"));
    EXPECT_EQ(user.size(), 256u);
    EXPECT_EQ(std::memcmp(user.data(), "abc", 3), 0);
    EXPECT_TRUE(user.IsCurrent());
    EXPECT_TRUE(SharedMemory::Remove("block"));
    EXPECT_FALSE(SharedMemory::Exists("block"));
    EXPECT_FALSE(SharedMemory().Open("block"));
    EXPECT_EQ(std::memcmp(user.data(), "abc", 3), 0);  // mappings stay valid
    EXPECT_FALSE(user.IsCurrent());
    SharedMemory again;
    ASSERT_EQ(again.Create("block", 256), SharedMemory::CreateStatus::Created);
    EXPECT_FALSE(user.IsCurrent());  // a new block under the old name
    EXPECT_TRUE(again.IsCurrent());
    EXPECT_TRUE(SharedMemory::Remove("block"));
}

TEST(SharedMemoryTest, NamesAreKeptApartPerWindowsFolder) {
    SharedMemory first;
    {
        testing::TempEnvironment env;
        ASSERT_EQ(first.Create("block", 16), SharedMemory::CreateStatus::Created);
        SharedMemory::Remove("block");
    }
    testing::TempEnvironment other;
    ASSERT_EQ(first.Create("block", 16), SharedMemory::CreateStatus::Created);
    {
        testing::TempEnvironment inner;
        EXPECT_FALSE(SharedMemory::Exists("block"));
    }
    EXPECT_TRUE(SharedMemory::Remove("block"));
}

}  // namespace
}  // namespace platform
