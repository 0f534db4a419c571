#include "kept_scans.h"

#include <cstddef>
#include <mutex>
#include <utility>
#include <vector>

namespace scenrix::detail {

namespace {

// As many as the parts of the files a scan has in hand at once, with its reading threads
// eight files ahead.
constexpr std::size_t kMostKept = 96;

struct Kept {
    std::mutex mutex;
    std::vector<SceneryScan> scans;
};

Kept& KeptScans() {
    static Kept kept;
    return kept;
}

}  // namespace

SceneryScan TakeKeptScan() {
    Kept& kept = KeptScans();
    std::lock_guard lock(kept.mutex);
    if (kept.scans.empty()) return {};
    SceneryScan scan = std::move(kept.scans.back());
    kept.scans.pop_back();
    return scan;
}

void KeepScan(SceneryScan&& scan) {
    SceneryScan emptied = std::move(scan);
    emptied.Clear();
    Kept& kept = KeptScans();
    std::lock_guard lock(kept.mutex);
    if (kept.scans.size() < kMostKept) kept.scans.push_back(std::move(emptied));
}

}  // namespace scenrix::detail
