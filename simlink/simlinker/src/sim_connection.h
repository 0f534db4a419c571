// The link's connection to Cabinhook: the mapped transfer block, kept open between calls.
#pragma once

#include "platform/shared_memory.h"
#include "simlinker/link_protocol.h"

namespace simlink {

enum class RequestOutcome {
    Done,
    Refused,     // not sent, or answered 0
    Unanswered,  // no answer within the time given
};

class CSimConnection {
public:
    CSimConnection();  // tries once to open the block
    virtual ~CSimConnection();
    CSimConnection(const CSimConnection&) = delete;
    CSimConnection& operator=(const CSimConnection&) = delete;

    // One request, answered within timeoutMs or given up on. The caller holds the link's
    // mutex.
    RequestOutcome Transfer(void* buffer, unsigned length, unsigned* outLength, unsigned offset,
                            std::uint32_t direction, int timeoutMs);

private:
    bool KeepOpen();
    void Drop();

    platform::SharedMemory block_;  // the mapping and its view, closed when not mapped
    unsigned offsetLimit_ = kOffsetLimit;
};

CSimConnection& Connection();

}  // namespace simlink
