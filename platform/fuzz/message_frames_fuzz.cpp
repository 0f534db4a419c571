// Any bytes as what a peer writes on this process's message socket: the message loop
// reads the frames, hands what it takes to a window of its own and answers, and neither
// it nor the window ever reads beyond what arrived. Frames that name a window by its
// serial alone are pointed at that window, so that the handling is reached too.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "fuzz_drive.h"
#include "message_frames.h"
#include "platform/message_loop.h"
#include "platform/windows.h"

namespace {

using platform::detail::RequestHeader;

constexpr const char* kClass = "FUZZ_FRAMES";
constexpr int kHandleProcessShift = 32;

std::uint8_t g_sum = 0;  // keeps the reads of a payload from being optimised away

platform::LResult Receive(platform::Hwnd, unsigned message, platform::WParam, platform::LParam lParam) {
    if (message != platform::WM_COPYDATA) return 0;
    const auto* copy = reinterpret_cast<const platform::CopyDataStruct*>(lParam);
    const auto* bytes = static_cast<const std::uint8_t*>(copy->lpData);
    for (std::uint32_t index = 0; index < copy->cbData; ++index)
        g_sum = static_cast<std::uint8_t>(g_sum + bytes[index]);
    return copy->cbData;
}

struct Receiver {
    Receiver() {
        fuzz::PrivateDrive();
        platform::RegisterWindowClass({kClass, Receive});
        window = platform::CreateWindow(kClass, "frames");  // starts serving the socket
        if (window == 0) std::abort();
    }
    platform::Hwnd window = 0;
};

int Connect() {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string name = platform::detail::MessageSocketName(::getpid());
    std::memcpy(address.sun_path, name.data(), name.size());
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + name.size());
    if (fd < 0 || ::connect(fd, reinterpret_cast<const sockaddr*>(&address), length) != 0) std::abort();
    return fd;
}

void PointAtWindow(std::vector<std::uint8_t>& bytes, platform::Hwnd window) {
    const std::uint64_t process = window >> kHandleProcessShift << kHandleProcessShift;
    for (std::size_t at = 0; at + sizeof(RequestHeader) <= bytes.size();) {
        RequestHeader header;
        std::memcpy(&header, bytes.data() + at, sizeof header);
        if (header.window >> kHandleProcessShift == 0) header.window |= process;
        std::memcpy(bytes.data() + at, &header, sizeof header);
        at += sizeof header + header.payloadSize;
    }
}

void ServeAndDrain(int fd) {
    platform::PumpMessages(0);
    char answers[4096];
    while (::recv(fd, answers, sizeof answers, 0) > 0) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Receiver receiver;
    std::vector<std::uint8_t> bytes(data, data + size);
    PointAtWindow(bytes, receiver.window);
    const int fd = Connect();
    for (std::size_t sent = 0; sent < bytes.size();) {
        const ssize_t written = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (written > 0)
            sent += static_cast<std::size_t>(written);
        else if (written < 0 && errno != EAGAIN && errno != EINTR)
            break;  // the loop hung up
        ServeAndDrain(fd);
    }
    ServeAndDrain(fd);
    ::close(fd);
    platform::PumpMessages(0);  // the loop sees the hang-up and closes its end
    return 0;
}
