// Cabinhook's hidden window and its life inside the stand-in simulator.
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstring>
#include <thread>

#include "fsim_harness.h"
#include "platform/shared_memory.h"
#include "platform/windows.h"
#include "simlinker/link_protocol.h"

namespace {

using fsim::testing::FsimProcess;

class LinkWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(sim_.Ready());
        window_ = platform::FindWindow(std::string(simlink::kHookWindowClass), std::string(simlink::kHookWindowTitle));
        ASSERT_NE(window_, 0u);
        ASSERT_TRUE(block_.Open(simlink::kTransferBlockName));
    }
    std::optional<platform::LResult> Send(std::span<const std::byte> bytes) {
        return platform::SendCopyData(window_, 0, 0, bytes, 20000);
    }
    std::optional<platform::LResult> Send(const simlink::SimLinkRequest& request) {
        return Send(std::as_bytes(std::span(&request, 1)));
    }

    platform::testing::TempEnvironment env_;
    FsimProcess sim_{env_};
    platform::Hwnd window_ = 0;
    platform::SharedMemory block_;
};

TEST_F(LinkWindowTest, RefusedRequestsAnswerZeroAndTouchNothing) {
    ASSERT_EQ(sim_.Command("set 8190 aabb"), "ok");
    const simlink::SimLinkRequest refused[] = {
        {300, 0, 0, simlink::kWrite},
        {2, simlink::kOffsetLimit, 0, simlink::kWrite},
        {4, simlink::kOffsetLimit - 2, 0, simlink::kWrite},
        {256, 0xFFFFFF80u, 0, simlink::kRead},
    };
    std::memset(block_.data(), 0x5A, simlink::kTransferBlockSize);
    for (const auto& request : refused) EXPECT_EQ(Send(request), 0) << request.length << "@" << request.offset;
    const std::array<std::byte, 15> shortRecord{};
    const std::array<std::byte, 17> longRecord{};
    EXPECT_EQ(Send(shortRecord), 0);
    EXPECT_EQ(Send(longRecord), 0);
    EXPECT_EQ(sim_.Command("dump 8190 2"), "aabb");
    EXPECT_EQ(static_cast<unsigned char*>(block_.data())[0], 0x5A);
    // The last bytes of the block are still in reach.
    EXPECT_EQ(Send(simlink::SimLinkRequest{2, simlink::kOffsetLimit - 2, 0, simlink::kRead}), 1);
    EXPECT_EQ(std::memcmp(block_.data(), "\xaa\xbb", 2), 0);
}

TEST_F(LinkWindowTest, ForwardsCommandsToTheMainWindow) {
    EXPECT_EQ(platform::SendMessageTimeout(window_, platform::WM_COMMAND, 1101, 0, 20000), 0);
    EXPECT_EQ(sim_.Command("commands"), "1101");
}

TEST_F(LinkWindowTest, DetachUndoesEverythingAndAttachAgainWorks) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (sim_.Command("hooked") != "yes" && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ASSERT_EQ(sim_.Command("hooked"), "yes");
    ASSERT_EQ(sim_.Command("unload"), "ok");
    EXPECT_EQ(sim_.Command("hooked"), "no");
    EXPECT_EQ(platform::FindWindow(std::string(simlink::kHookWindowClass)), 0u);
    EXPECT_FALSE(platform::SharedMemory::Exists(simlink::kTransferBlockName));
    // The unloaded module's procedure is gone from the main window: the simulator still works.
    EXPECT_EQ(sim_.Command("menubar 7"), "ok");
    EXPECT_EQ(sim_.Command("click 1100"), "ok");
    ASSERT_EQ(sim_.Command("load"), "loaded");
    EXPECT_NE(platform::FindWindow(std::string(simlink::kHookWindowClass)), 0u);
    EXPECT_TRUE(platform::SharedMemory::Exists(simlink::kTransferBlockName));
}

}  // namespace
