// Sending and posting: directly to windows of this process, through the owner's message
// socket to windows of other processes.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <map>
#include <mutex>

#include "message_frames.h"
#include "message_socket.h"
#include "platform/windows.h"
#include "window_dispatch.h"

namespace platform {
namespace {

using detail::FrameKind;
using detail::ReplyFrame;
using detail::ReplyStatus;
using detail::RequestHeader;

// Idle connections to other processes, kept for the next message; each is used by one
// thread at a time.
class ConnectionPool {
public:
    int Take(pid_t processId) {
        {
            std::lock_guard lock(mutex_);
            auto found = idle_.find(processId);
            if (found != idle_.end()) {
                const int fd = found->second;
                idle_.erase(found);
                return fd;
            }
        }
        return Connect(processId);
    }
    void Return(pid_t processId, int fd) {
        std::lock_guard lock(mutex_);
        idle_.emplace(processId, fd);
    }
    ~ConnectionPool() {
        for (const auto& [processId, fd] : idle_) ::close(fd);
    }

private:
    static int Connect(pid_t processId) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (fd < 0) return -1;
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::string name = detail::MessageSocketName(processId);
        std::memcpy(address.sun_path, name.data(), name.size());
        const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + name.size());
        // A full backlog (EAGAIN) means the owner is not serving: give up rather than wait.
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), length) != 0) {
            ::close(fd);
            return -1;
        }
        return fd;
    }

    std::mutex mutex_;
    std::multimap<pid_t, int> idle_;
};

ConnectionPool& Pool() {
    static ConnectionPool pool;
    return pool;
}

std::optional<LResult> DeliverLocally(const RequestHeader& header, std::span<const std::byte> payload) {
    const Hwnd window = header.window;
    if (header.kind == static_cast<std::uint32_t>(FrameKind::Post)) {
        if (!IsLocalWindow(window)) return std::nullopt;
        detail::QueuePostedMessage(window, header.message, header.wParam, header.lParam);
        return 1;
    }
    if (header.message == WM_COPYDATA) {
        CopyDataStruct copy{header.dataWord, header.payloadSize, payload.data()};
        return detail::DispatchToLocalWindow(window, WM_COPYDATA, header.wParam, reinterpret_cast<LParam>(&copy));
    }
    return detail::DispatchToLocalWindow(window, header.message, header.wParam, header.lParam);
}

// One request over one connection; the connection goes back to the pool only when the
// exchange completed, so a late answer never meets the next request.
std::optional<LResult> DeliverRemotely(const RequestHeader& header, std::span<const std::byte> payload, int timeoutMs) {
    const pid_t owner = WindowProcessId(header.window);
    const detail::Deadline deadline = detail::DeadlineAfter(timeoutMs);
    const int fd = Pool().Take(owner);
    if (fd < 0) return std::nullopt;
    bool ok = detail::WriteAll(fd, &header, sizeof header, deadline) &&
              detail::WriteAll(fd, payload.data(), payload.size(), deadline);
    std::optional<LResult> result;
    if (ok && header.kind == static_cast<std::uint32_t>(FrameKind::Post)) {
        result = 1;
    } else if (ok) {
        ReplyFrame reply;
        ok = detail::ReadAll(fd, &reply, sizeof reply, deadline);
        if (ok && reply.status == static_cast<std::uint32_t>(ReplyStatus::Answered)) result = reply.result;
    }
    if (ok)
        Pool().Return(owner, fd);
    else
        ::close(fd);
    return result;
}

std::optional<LResult> Deliver(const RequestHeader& header, std::span<const std::byte> payload, int timeoutMs) {
    if (header.window == 0) return std::nullopt;
    if (WindowProcessId(header.window) == ::getpid()) return DeliverLocally(header, payload);
    if (payload.size() > detail::kMaxPayloadSize) return std::nullopt;
    return DeliverRemotely(header, payload, timeoutMs);
}

RequestHeader Header(FrameKind kind, Hwnd window, unsigned message, WParam wParam, LParam lParam) {
    RequestHeader header;
    header.kind = static_cast<std::uint32_t>(kind);
    header.window = window;
    header.message = message;
    header.wParam = wParam;
    header.lParam = lParam;
    return header;
}

}  // namespace

std::optional<LResult> SendMessageTimeout(Hwnd window, unsigned message, WParam wParam, LParam lParam, int timeoutMs) {
    return Deliver(Header(FrameKind::Send, window, message, wParam, lParam), {}, timeoutMs);
}

LResult SendMessage(Hwnd window, unsigned message, WParam wParam, LParam lParam) {
    return SendMessageTimeout(window, message, wParam, lParam, -1).value_or(0);
}

std::optional<LResult> SendCopyData(Hwnd window, Hwnd sender, std::uintptr_t dataWord, std::span<const std::byte> bytes,
                                    int timeoutMs) {
    RequestHeader header = Header(FrameKind::Send, window, WM_COPYDATA, sender, 0);
    header.dataWord = dataWord;
    header.payloadSize = static_cast<std::uint32_t>(bytes.size());
    return Deliver(header, bytes, timeoutMs);
}

bool PostMessage(Hwnd window, unsigned message, WParam wParam, LParam lParam) {
    // WM_COPYDATA's bytes live only as long as a send; it cannot be posted.
    if (message == WM_COPYDATA) return false;
    // A post waits for the socket only, never for the receiver.
    constexpr int kPostTimeoutMs = 1000;
    return Deliver(Header(FrameKind::Post, window, message, wParam, lParam), {}, kPostTimeoutMs).has_value();
}

}  // namespace platform
