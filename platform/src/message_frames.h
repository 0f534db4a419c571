// What travels on the message sockets between processes.
#pragma once

#include <sys/types.h>
#include <cstddef>
#include <cstdint>
#include <string>

namespace platform::detail {

enum class FrameKind : std::uint32_t { Send = 1, Post = 2 };
enum class ReplyStatus : std::uint32_t { Answered = 1, NoWindow = 2 };

struct RequestHeader {
    std::uint32_t kind = 0;
    std::uint32_t message = 0;
    std::uint64_t window = 0;
    std::uint64_t wParam = 0;
    std::int64_t lParam = 0;
    std::uint64_t dataWord = 0;
    std::uint32_t payloadSize = 0;  // WM_COPYDATA's bytes follow the header
    std::uint32_t reserved = 0;
};

struct ReplyFrame {
    std::uint32_t status = 0;
    std::uint32_t reserved = 0;
    std::int64_t result = 0;
};

// Larger WM_COPYDATA payloads are refused, so a bad peer cannot make us hold unbounded data.
constexpr std::uint32_t kMaxPayloadSize = 1u << 20;

// The abstract socket address (leading NUL) on which a process serves its windows.
std::string MessageSocketName(pid_t processId);

}  // namespace platform::detail
