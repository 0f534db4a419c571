// A peer that writes frames of its own on this process's message socket, as a damaged or
// hostile program of the same user could.
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <vector>

#include "message_frames.h"
#include "platform/message_loop.h"
#include "platform/windows.h"
#include "testing/temp_environment.h"

namespace platform {
namespace {

using detail::FrameKind;
using detail::ReplyFrame;
using detail::RequestHeader;

constexpr LResult kAnswer = 7;

std::vector<unsigned> g_seen;

LResult Sink(Hwnd, unsigned message, WParam, LParam lParam) {
    g_seen.push_back(message);
    if (message == WM_COPYDATA) return reinterpret_cast<const CopyDataStruct*>(lParam)->cbData;
    return kAnswer;
}

int ConnectToThisProcess() {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string name = detail::MessageSocketName(::getpid());
    std::memcpy(address.sun_path, name.data(), name.size());
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + name.size());
    if (fd >= 0 && ::connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0) return fd;
    if (fd >= 0) ::close(fd);
    return -1;
}

RequestHeader Frame(FrameKind kind, unsigned message, Hwnd window) {
    RequestHeader header;
    header.kind = static_cast<std::uint32_t>(kind);
    header.message = message;
    header.window = window;
    return header;
}

TEST(MessageFramesTest, APostedCopyDataNeverReachesTheWindow) {
    testing::TempEnvironment env;
    ASSERT_TRUE(RegisterWindowClass({"FrameSink", Sink}));
    const Hwnd window = CreateWindow("FrameSink", "sink");
    ASSERT_NE(window, 0u);
    const int fd = ConnectToThisProcess();
    ASSERT_GE(fd, 0);
    // Its lParam would be taken for a pointer to the bytes; a send behind it shows when
    // the frames have been handled.
    const RequestHeader frames[] = {Frame(FrameKind::Post, WM_COPYDATA, window),
                                    Frame(FrameKind::Send, WM_APP, window)};
    ASSERT_EQ(::send(fd, frames, sizeof frames, MSG_NOSIGNAL), static_cast<ssize_t>(sizeof frames));
    ReplyFrame reply;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    pollfd answered{fd, POLLIN, 0};
    while (::poll(&answered, 1, 0) == 0 && std::chrono::steady_clock::now() < deadline) PumpMessages(10);
    ASSERT_EQ(::recv(fd, &reply, sizeof reply, 0), static_cast<ssize_t>(sizeof reply));
    PumpMessages(0);  // posted messages are dispatched after the frames are read
    EXPECT_EQ(reply.result, kAnswer);
    EXPECT_EQ(g_seen, std::vector<unsigned>{WM_APP});
    ::close(fd);
    DestroyWindow(window);
    UnregisterWindowClass("FrameSink");
}

}  // namespace
}  // namespace platform
