#include "sim_connection.h"

#include <cstring>
#include <span>

#include "platform/windows.h"
#include "simlinker/simlinker.h"

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

int CSimConnection::Transfer(void* buffer, unsigned length, unsigned* outLength, unsigned offset,
                             std::uint32_t direction) {
    if (outLength == nullptr) return 0;
    *outLength = 0;
    if (!KeepOpen()) return 0;
    if (offset >= offsetLimit_ || !IsAcceptableRequest(length, offset)) return 0;
    if (buffer == nullptr && length > 0) return 0;
    if (direction == kWrite) std::memcpy(block_.data(), buffer, length);
    const SimLinkRequest request{length, offset, 0, direction};
    const platform::Hwnd window = platform::FindWindow(std::string(kHookWindowClass));
    if (window == 0) {
        Drop();
        return 0;
    }
    // Reads and writes alike wait a bounded time, so a hung simulator never freezes the caller.
    const std::optional<platform::LResult> answer =
        platform::SendCopyData(window, 0, 0, std::as_bytes(std::span(&request, 1)), kRequestTimeoutMs);
    if (!answer || *answer == 0) return 0;
    std::memcpy(buffer, block_.data(), length);
    *outLength = length;
    return 1;
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

extern "C" {

int TR_Read(void* buffer, unsigned length, unsigned* outLength, unsigned offset) {
    return simlink::Connection().Transfer(buffer, length, outLength, offset, simlink::kRead);
}

int TR_Write(void* buffer, unsigned length, unsigned* outLength, unsigned offset) {
    return simlink::Connection().Transfer(buffer, length, outLength, offset, simlink::kWrite);
}

}  // extern "C"
