// One TR_ call: it holds the link's mutex across processes for all of its requests, so
// that no other program's request meets its data in the transfer block and its read,
// change and write of a group is not undone by another's, and it waits at most one
// bound in all. Once a request has gone unanswered the call sends nothing more.
#pragma once

#include <chrono>
#include <cstdint>

#include "platform/named_mutex.h"
#include "sim_connection.h"

namespace simlink {

class LinkCall {
public:
    LinkCall();
    LinkCall(const LinkCall&) = delete;
    LinkCall& operator=(const LinkCall&) = delete;

    // One request; 1 when it was carried out, else 0.
    int Transfer(void* buffer, unsigned length, unsigned* outLength, unsigned offset, std::uint32_t direction);

private:
    std::chrono::steady_clock::time_point deadline_;
    platform::NamedMutexLock mutex_;
    bool stopped_ = false;
};

}  // namespace simlink
