// A program for the message loop test: it serves a window while it has no file
// descriptor left and a connection waits to be accepted, then frees them.
//   exit 0  the loop used little processor time meanwhile and served the connection after
//   exit 1  the loop spun (processor time over a third of the time pumped)
//   exit 2  the waiting connection was never served once descriptors were free again
//   exit 3  set-up failed
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <ctime>
#include <vector>

#include "message_frames.h"
#include "platform/message_loop.h"
#include "platform/windows.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr unsigned kPing = platform::WM_APP + 7;
constexpr auto kStarvedFor = std::chrono::milliseconds(1000);
constexpr auto kRecoveryPatience = std::chrono::seconds(10);
constexpr rlim_t kDescriptorLimit = 64;
constexpr int kPumpMs = 50;

bool pinged = false;

platform::LResult ChildProc(platform::Hwnd window, unsigned message, platform::WParam wParam, platform::LParam lParam) {
    if (message == kPing) pinged = true;
    return platform::DefWindowProc(window, message, wParam, lParam);
}

double ProcessorSeconds() {
    timespec now{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

std::vector<int> UseUpDescriptors() {
    std::vector<int> taken;
    for (int fd; (fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC)) >= 0;) taken.push_back(fd);
    return taken;
}

// A connection to this process's own message socket, with a posted kPing on its way.
bool ConnectAndPost(int client, platform::Hwnd window) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string name = platform::detail::MessageSocketName(::getpid());
    std::memcpy(address.sun_path, name.data(), name.size());
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + name.size());
    if (::connect(client, reinterpret_cast<const sockaddr*>(&address), length) != 0) return false;
    platform::detail::RequestHeader header;
    header.kind = static_cast<std::uint32_t>(platform::detail::FrameKind::Post);
    header.window = window;
    header.message = kPing;
    return ::send(client, &header, sizeof header, MSG_NOSIGNAL) == sizeof header;
}

}  // namespace

int main() {
    platform::RegisterWindowClass({"DescriptorChild", ChildProc});
    const platform::Hwnd window = platform::CreateWindow("DescriptorChild", "child");
    const int client = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const rlimit limit{kDescriptorLimit, kDescriptorLimit};
    if (window == 0 || client < 0 || ::setrlimit(RLIMIT_NOFILE, &limit) != 0) return 3;
    const std::vector<int> taken = UseUpDescriptors();
    if (!ConnectAndPost(client, window)) return 3;

    const double before = ProcessorSeconds();
    for (const auto start = Clock::now(); Clock::now() - start < kStarvedFor;) platform::PumpMessages(kPumpMs);
    const double used = ProcessorSeconds() - before;
    if (pinged) return 3;  // a descriptor was free after all: nothing was shown
    if (used > std::chrono::duration<double>(kStarvedFor).count() / 3) return 1;

    for (int fd : taken) ::close(fd);
    for (const auto start = Clock::now(); !pinged && Clock::now() - start < kRecoveryPatience;)
        platform::PumpMessages(kPumpMs);
    return pinged ? 0 : 2;
}
