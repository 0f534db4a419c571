// The message loop: serves the process's message socket, posted messages and timers on
// the thread that pumps.
#include "platform/message_loop.h"

#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <vector>

#include "message_frames.h"
#include "platform/timers.h"
#include "platform/windows.h"
#include "timer_dispatch.h"
#include "window_dispatch.h"

namespace platform {
namespace {

using detail::FrameKind;
using detail::ReplyFrame;
using detail::ReplyStatus;
using detail::RequestHeader;

struct PostedMessage {
    Hwnd window;
    unsigned message;
    WParam wParam;
    LParam lParam;
};

constexpr int kListenBacklog = 64;
// With no descriptor left for a new connection, the listening socket stays readable:
// accepting is paused this long instead of failing again at once.
constexpr auto kAcceptPause = std::chrono::milliseconds(100);
constexpr int kEventsPerWait = 16;
constexpr size_t kReadChunk = 4096;

class MessageLoop {
public:
    MessageLoop() {
        epoll_ = ::epoll_create1(EPOLL_CLOEXEC);
        wake_ = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
        Watch(wake_);
    }
    ~MessageLoop() {
        for (const auto& [fd, buffer] : connections_) ::close(fd);
        if (listen_ >= 0) ::close(listen_);
        ::close(wake_);
        ::close(epoll_);
    }

    int eventFd() const { return epoll_; }

    bool StartServer() {
        std::lock_guard lock(serverMutex_);
        if (listen_ >= 0) return true;
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (fd < 0) return false;
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::string name = detail::MessageSocketName(::getpid());
        std::memcpy(address.sun_path, name.data(), name.size());
        const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + name.size());
        if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), length) != 0 || ::listen(fd, kListenBacklog) != 0) {
            ::close(fd);
            return false;
        }
        listen_ = fd;
        Watch(listen_);
        return true;
    }

    void Post(const PostedMessage& message) {
        {
            std::lock_guard lock(postedMutex_);
            posted_.push_back(message);
        }
        Wake();
    }

    void Wake() {
        const std::uint64_t one = 1;
        [[maybe_unused]] ssize_t written = ::write(wake_, &one, sizeof one);
    }

    void Quit(int exitCode) {
        quit_ = true;
        exitCode_ = exitCode;
        Wake();
    }
    bool quitting() const { return quit_; }
    int exitCode() const { return exitCode_; }

    void Pump(int timeoutMs) {
        int wait = HasPosted() ? 0 : timeoutMs;
        wait = SoonerWait(wait, NextTimerDelayMs());
        wait = SoonerWait(wait, AcceptPauseLeftMs());
        epoll_event events[kEventsPerWait];
        const int ready = ::epoll_wait(epoll_, events, kEventsPerWait, wait);
        for (int index = 0; index < ready; ++index) {
            const int fd = events[index].data.fd;
            if (fd == wake_)
                DrainWake();
            else if (fd == listen_)
                AcceptAll();
            else
                Serve(fd);
        }
        ResumeAcceptingWhenDue();
        DispatchPosted();
        detail::RunDueTimers();
    }

private:
    // The shorter of two waits in milliseconds, where a negative one has no limit.
    static int SoonerWait(int wait, int other) {
        if (other >= 0 && (wait < 0 || other < wait)) return other;
        return wait;
    }

    void Watch(int fd) {
        epoll_event event{};
        event.events = EPOLLIN;
        event.data.fd = fd;
        ::epoll_ctl(epoll_, EPOLL_CTL_ADD, fd, &event);
    }

    void DrainWake() {
        std::uint64_t count = 0;
        [[maybe_unused]] ssize_t got = ::read(wake_, &count, sizeof count);
    }

    bool HasPosted() {
        std::lock_guard lock(postedMutex_);
        return !posted_.empty();
    }

    void AcceptAll() {
        for (;;) {
            const int fd = ::accept4(listen_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
            if (fd < 0) {
                if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM) PauseAccepting();
                return;
            }
            ucred peer{};
            socklen_t size = sizeof peer;
            // Only processes of this user reach our windows.
            if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 || peer.uid != ::getuid()) {
                ::close(fd);
                continue;
            }
            connections_[fd];
            Watch(fd);
        }
    }

    // The waiting connections stay queued on the socket until accepting resumes.
    void PauseAccepting() {
        ::epoll_ctl(epoll_, EPOLL_CTL_DEL, listen_, nullptr);
        acceptResumesAt_ = std::chrono::steady_clock::now() + kAcceptPause;
    }

    int AcceptPauseLeftMs() const {
        if (!acceptResumesAt_) return -1;
        const auto left =
            std::chrono::ceil<std::chrono::milliseconds>(*acceptResumesAt_ - std::chrono::steady_clock::now());
        return left.count() > 0 ? static_cast<int>(left.count()) : 0;
    }

    void ResumeAcceptingWhenDue() {
        if (!acceptResumesAt_ || std::chrono::steady_clock::now() < *acceptResumesAt_) return;
        acceptResumesAt_.reset();
        Watch(listen_);
    }

    void Close(int fd) {
        ::epoll_ctl(epoll_, EPOLL_CTL_DEL, fd, nullptr);
        ::close(fd);
        connections_.erase(fd);
    }

    // Reads what has arrived, then handles every complete request, one at a time. Posts
    // that arrived before the peer hung up are still handled (a post, then exit); a send
    // whose sender has hung up was given up on and is not carried out.
    void Serve(int fd) {
        bool open = true;
        for (;;) {
            char chunk[kReadChunk];
            const ssize_t received = ::recv(fd, chunk, sizeof chunk, 0);
            if (received > 0) {
                std::vector<char>& buffer = connections_[fd];
                buffer.insert(buffer.end(), chunk, chunk + received);
                continue;
            }
            if (received < 0 && errno == EINTR) continue;
            open = received < 0 && errno == EAGAIN;
            break;
        }
        while (auto request = TakeRequest(fd, open)) Handle(fd, *request, open);
        if (!open && connections_.count(fd) == 1) Close(fd);
    }

    struct Request {
        RequestHeader header;
        std::vector<std::byte> payload;
    };

    std::optional<Request> TakeRequest(int fd, bool& open) {
        auto found = connections_.find(fd);
        if (found == connections_.end()) return std::nullopt;
        std::vector<char>& buffer = found->second;
        Request request;
        if (buffer.size() < sizeof request.header) return std::nullopt;
        std::memcpy(&request.header, buffer.data(), sizeof request.header);
        if (request.header.payloadSize > detail::kMaxPayloadSize) {
            buffer.clear();
            open = false;
            return std::nullopt;
        }
        const size_t total = sizeof request.header + request.header.payloadSize;
        if (buffer.size() < total) return std::nullopt;
        const auto* payload = reinterpret_cast<const std::byte*>(buffer.data() + sizeof request.header);
        request.payload.assign(payload, payload + request.header.payloadSize);
        buffer.erase(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(total));
        return request;
    }

    void Handle(int fd, const Request& request, bool senderWaits) {
        const RequestHeader& header = request.header;
        if (header.kind == static_cast<std::uint32_t>(FrameKind::Post)) {
            // A posted WM_COPYDATA carries no bytes, only an lParam that the window would
            // take for a pointer: refused, as PostMessage refuses it.
            if (header.message != WM_COPYDATA && IsLocalWindow(header.window))
                Post({header.window, header.message, header.wParam, header.lParam});
            return;
        }
        // Carried out late, it could overwrite what the sender has done since it gave up.
        if (!senderWaits) return;
        std::optional<LResult> result;
        if (header.message == WM_COPYDATA) {
            CopyDataStruct copy{header.dataWord, header.payloadSize, request.payload.data()};
            result = detail::DispatchToLocalWindow(header.window, WM_COPYDATA, header.wParam,
                                                   reinterpret_cast<LParam>(&copy));
        } else {
            result = detail::DispatchToLocalWindow(header.window, header.message, header.wParam, header.lParam);
        }
        ReplyFrame reply;
        reply.status = static_cast<std::uint32_t>(result ? ReplyStatus::Answered : ReplyStatus::NoWindow);
        reply.result = result.value_or(0);
        // A sender that gave up has closed its end; the answer is dropped.
        if (connections_.count(fd) == 1 && ::send(fd, &reply, sizeof reply, MSG_NOSIGNAL) != sizeof reply) Close(fd);
    }

    void DispatchPosted() {
        std::deque<PostedMessage> ready;
        {
            std::lock_guard lock(postedMutex_);
            ready.swap(posted_);
        }
        for (const PostedMessage& message : ready)
            detail::DispatchToLocalWindow(message.window, message.message, message.wParam, message.lParam);
    }

    int epoll_ = -1;
    int wake_ = -1;
    int listen_ = -1;
    std::mutex serverMutex_;
    std::map<int, std::vector<char>> connections_;
    std::mutex postedMutex_;
    std::deque<PostedMessage> posted_;
    std::optional<std::chrono::steady_clock::time_point> acceptResumesAt_;
    std::atomic<bool> quit_{false};
    std::atomic<int> exitCode_{0};
};

MessageLoop& Loop() {
    static MessageLoop loop;
    return loop;
}

}  // namespace

namespace detail {

void QueuePostedMessage(Hwnd window, unsigned message, WParam wParam, LParam lParam) {
    Loop().Post({window, message, wParam, lParam});
}

bool StartMessageServer() { return Loop().StartServer(); }

void WakeMessageLoop() { Loop().Wake(); }

}  // namespace detail

bool PumpMessages(int timeoutMs) {
    MessageLoop& loop = Loop();
    if (!loop.quitting()) loop.Pump(timeoutMs);
    return !loop.quitting();
}

int RunMessageLoop() {
    while (PumpMessages(-1)) {
    }
    return Loop().exitCode();
}

void PostQuitMessage(int exitCode) { Loop().Quit(exitCode); }

int MessageEventFd() { return Loop().eventFd(); }

unsigned RegisterWindowMessage(const std::string& name) {
    constexpr unsigned kFirstRegistered = 0xC000;
    constexpr unsigned kRegisteredCount = 0x4000;
    // FNV-1a over the upper-cased name: the same in every process.
    std::uint32_t hash = 2166136261u;
    for (unsigned char c : name) {
        hash ^= (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c;
        hash *= 16777619u;
    }
    return kFirstRegistered + hash % kRegisteredCount;
}

}  // namespace platform
