#include "sim_connection.h"

#include <cstring>
#include <span>

#include "platform/windows.h"

namespace simlink {

CSimConnection::CSimConnection() { KeepOpen(); }

CSimConnection::~CSimConnection() { Drop(); }

bool CSimConnection::KeepOpen() {
    // No block means Cabinhook is not loaded; a block made anew since (Cabinhook loaded
    // again) replaces the one held.
    if (block_.IsOpen() && !block_.IsCurrent()) Drop();
    if (!platform::SharedMemory::Exists(kTransferBlockName)) return false;
    if (!block_.IsOpen() && !block_.Open(kTransferBlockName)) return false;
    if (block_.size() < kTransferBlockSize) {
        Drop();
        return false;
    }
    return true;
}

void CSimConnection::Drop() { block_.Close(); }

RequestOutcome CSimConnection::Transfer(void* buffer, unsigned length, unsigned* outLength, unsigned offset,
                                        std::uint32_t direction, int timeoutMs) {
    if (outLength == nullptr) return RequestOutcome::Refused;
    *outLength = 0;
    if (!KeepOpen()) return RequestOutcome::Refused;
    if (offset >= offsetLimit_ || !IsAcceptableRequest(length, offset)) return RequestOutcome::Refused;
    if (buffer == nullptr && length > 0) return RequestOutcome::Refused;
    const platform::Hwnd window = platform::FindWindow(std::string(kHookWindowClass));
    if (window == 0) {
        Drop();
        return RequestOutcome::Refused;
    }
    if (direction == kWrite) std::memcpy(block_.data(), buffer, length);
    const SimLinkRequest request{length, offset, 0, direction};
    // Reads and writes alike wait a bounded time, so a hung simulator never freezes the caller.
    const std::optional<platform::LResult> answer =
        platform::SendCopyData(window, 0, 0, std::as_bytes(std::span(&request, 1)), timeoutMs);
    if (!answer) return RequestOutcome::Unanswered;
    if (*answer == 0) return RequestOutcome::Refused;
    std::memcpy(buffer, block_.data(), length);
    *outLength = length;
    return RequestOutcome::Done;
}

CSimConnection& Connection() {
    // Built when the library is loaded, destroyed when it is unloaded.
    static CSimConnection connection;
    return connection;
}

namespace {
[[maybe_unused]] const bool kBuiltOnLoad = (Connection(), true);
}  // namespace

}  // namespace simlink
