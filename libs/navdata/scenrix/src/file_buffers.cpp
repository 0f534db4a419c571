#include "file_buffers.h"

#include <algorithm>
#include <cstddef>
#include <mutex>
#include <utility>
#include <vector>

namespace scenrix::detail {

namespace {

// As many as a scan has files and inflated copies in hand at once, with its reading
// threads eight files ahead.
constexpr std::size_t kMostKept = 20;
constexpr std::size_t kSmallestKept = 4096;
constexpr std::size_t kLargestKept = std::size_t{16} << 20;

struct Kept {
    std::mutex mutex;
    std::vector<std::string> buffers;
};

Kept& KeptBuffers() {
    static Kept kept;
    return kept;
}

}  // namespace

std::string TakeFileBuffer() {
    Kept& kept = KeptBuffers();
    std::lock_guard lock(kept.mutex);
    if (kept.buffers.empty()) return {};
    const auto largest =
        std::max_element(kept.buffers.begin(), kept.buffers.end(),
                         [](const std::string& a, const std::string& b) { return a.capacity() < b.capacity(); });
    std::swap(*largest, kept.buffers.back());
    std::string buffer = std::move(kept.buffers.back());
    kept.buffers.pop_back();
    buffer.clear();
    return buffer;
}

void GiveFileBuffer(std::string&& buffer) {
    if (buffer.capacity() < kSmallestKept || buffer.capacity() > kLargestKept) return;
    std::string given = std::move(buffer);
    Kept& kept = KeptBuffers();
    std::lock_guard lock(kept.mutex);
    if (kept.buffers.size() < kMostKept) kept.buffers.push_back(std::move(given));
}

}  // namespace scenrix::detail
