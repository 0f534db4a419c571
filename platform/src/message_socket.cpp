#include "message_socket.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "message_frames.h"

namespace platform::detail {
namespace {

// Milliseconds left for poll: -1 without a limit, 0 once the deadline has passed.
int RemainingMs(const Deadline& deadline) {
    if (!deadline) return -1;
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(*deadline - std::chrono::steady_clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

bool WaitFor(int fd, short events, const Deadline& deadline) {
    for (;;) {
        pollfd entry{fd, events, 0};
        const int ready = ::poll(&entry, 1, RemainingMs(deadline));
        if (ready > 0) return true;
        if (ready == 0) return false;
        if (errno != EINTR) return false;
    }
}

}  // namespace

std::string MessageSocketName(pid_t processId) {
    char name[64];
    const int length = std::snprintf(name, sizeof name, "%cquillet-windows-%u-%ld", '\0',
                                     static_cast<unsigned>(::getuid()), static_cast<long>(processId));
    return std::string(name, static_cast<size_t>(length));
}

Deadline DeadlineAfter(int timeoutMs) {
    if (timeoutMs < 0) return std::nullopt;
    return std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
}

bool WriteAll(int fd, const void* data, std::size_t size, const Deadline& deadline) {
    const char* next = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t written = ::send(fd, next, size, MSG_NOSIGNAL);
        if (written > 0) {
            next += written;
            size -= static_cast<size_t>(written);
        } else if (written < 0 && (errno == EAGAIN || errno == EINTR)) {
            if (!WaitFor(fd, POLLOUT, deadline)) return false;
        } else {
            return false;
        }
    }
    return true;
}

bool ReadAll(int fd, void* data, std::size_t size, const Deadline& deadline) {
    char* next = static_cast<char*>(data);
    while (size > 0) {
        const ssize_t received = ::recv(fd, next, size, 0);
        if (received > 0) {
            next += received;
            size -= static_cast<size_t>(received);
        } else if (received < 0 && (errno == EAGAIN || errno == EINTR)) {
            if (!WaitFor(fd, POLLIN, deadline)) return false;
        } else {
            return false;  // closed by the peer, or an error
        }
    }
    return true;
}

}  // namespace platform::detail
