// Blocking-with-deadline reads and writes on the non-blocking message sockets.
#pragma once

#include <chrono>
#include <cstddef>
#include <optional>

namespace platform::detail {

using Deadline = std::optional<std::chrono::steady_clock::time_point>;  // nullopt: no limit

Deadline DeadlineAfter(int timeoutMs);
bool WriteAll(int fd, const void* data, std::size_t size, const Deadline& deadline);
bool ReadAll(int fd, void* data, std::size_t size, const Deadline& deadline);

}  // namespace platform::detail
