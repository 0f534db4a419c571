// The simulator link's wire protocol, shared by Simlinker (the planner's side) and
// Cabinhook (inside the simulator): the request record, the shared transfer block and
// the names under which each side finds the other.
#pragma once

#include <cstddef>
#include <cstdint>

namespace simlink {

// Sent as the bytes of a WM_COPYDATA message (data word 0); the data itself travels
// through the transfer block.
struct SimLinkRequest {
    std::uint32_t length = 0;  // bytes to move
    std::uint32_t offset = 0;  // position in the simulator's global block
    std::uint32_t reserved = 0;
    std::uint32_t direction = 0;  // kWrite, or any other value to read
};
static_assert(sizeof(SimLinkRequest) == 16);

constexpr std::uint32_t kWrite = 0;
constexpr std::uint32_t kRead = 1;

constexpr const char* kTransferBlockName = "trevalofilemap";
constexpr std::size_t kTransferBlockSize = 256;
// No field of the simulator's global block lies at or beyond this offset.
constexpr std::uint32_t kOffsetLimit = 8192;

constexpr const char* kHookWindowClass = "CABIN_HOOK";
constexpr const char* kHookWindowTitle = "CABINHOOK_WND";
constexpr const char* kSimulatorWindowClass = "FS98MAIN";

// Neither side waits longer for the other: a TR_ call, with all its requests, waits at
// most this long.
constexpr int kRequestTimeoutMs = 1000;

// The planners' side takes this named mutex (platform/named_mutex.h) for each TR_ call,
// so that the calls of several programs never share the transfer block.
constexpr const char* kLinkMutexName = "trevalolink";

// A request both sides carry out: it fits the transfer block and stays inside the
// simulator's global block.
constexpr bool IsAcceptableRequest(std::uint32_t length, std::uint32_t offset) {
    return length <= kTransferBlockSize && offset < kOffsetLimit &&
           static_cast<std::uint64_t>(offset) + length <= kOffsetLimit;
}

}  // namespace simlink
